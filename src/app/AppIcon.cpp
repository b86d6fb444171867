#include "AppIcon.h"

#include "SvgIcon.h"

namespace td {

QIcon AppIcon() {
    return SvgIcon(QStringLiteral("org.tarvel.TrackDesigner"));
}

} // namespace td
