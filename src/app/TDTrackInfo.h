#pragma once
// The Track Info dialog: edits the descriptive header of the track and shows
// a few counts of it. The text boxes are bound to the track's TrackInfo; every
// change is written back at once, so closing the dialog loses nothing.

#include <QDialog>
#include <QString>
#include <array>

class QLabel;
class QLineEdit;

namespace td {

struct Track;

class TDTrackInfo : public QDialog {
    Q_OBJECT
  public:
    TDTrackInfo(Track& track, QWidget* parent = nullptr);

    // Points the dialog at another track object (the main window may replace
    // its track when loading); the fields are read again on the next show.
    void SetTrack(Track& track);

    // Reads the fields and statistics from the track, centres the dialog over
    // the main window, puts the focus on "Track Name" and runs it modally.
    void ShowTrackInfo();

    // The first half of ShowTrackInfo, without showing anything: the fields
    // and statistics as the dialog would show them.
    void Refresh();

    // The number a weather box's text starts with (leading blanks skipped,
    // read up to the first character that cannot continue it); an empty or
    // non-numeric text counts as 0.
    static double LeadingNumber(const QString& text);
    // Caption of the "Changeable" row for the "Rainy" box's text ("8 - ").
    static QString ChangeableCaption(const QString& rainyText);
    // Caption of the "Sunny" row for the "Changeable" box's text ("13 - 20").
    static QString SunnyCaption(const QString& changeableText);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    enum Field {
        Name,
        Version,
        Author,
        Description,
        Location,
        RainyMax,
        ChangeableMax,
        FieldCount
    };

    void BuildLayout();
    void LoadFields();
    void StoreField(int field, const QString& text);
    void ShowStatistics();
    void CenterOverMainWindow();

    Track* track_;
    bool loading_ = false;
    std::array<QLineEdit*, FieldCount> edits_{};
    std::array<QLabel*, 3> buildLabels_{}; // date, time, designer version
    std::array<QLabel*, 3> weatherLabels_{};
    std::array<QLabel*, 6> statCaptions_{}; // "Number of Lanes" .. "Lane 4 Length"
    std::array<QLabel*, 6> statValues_{};
    QLabel* numCorners_ = nullptr;
    QLabel* totalStops_ = nullptr;
};

} // namespace td
