#pragma once

#include <QColor>
#include <QList>
#include <QPalette>

// The colours that Repbook paints itself (day cells, the day dialog's rows, the year grid, the
// mini calendar's weekends), in a light and a dark variant, and the window palette of the dark
// appearance. Every text colour here keeps a contrast of at least 4.5:1 against the backgrounds
// it is drawn on (see TextPairs). Windows ask For(palette()) so that they follow the appearance
// in effect; the printout always uses Light().
class RepbookColours
{
public:
    // Day cells of the calendar: odd and even months (program days use the even colour), the
    // label and workout names of a day in the range, the label of a day outside it.
    QColor evenMonth;
    QColor oddMonth;
    QColor dayText;
    QColor otherDayText;

    // The day dialog's exercise rows: odd and even rows, their text, the exercise's name.
    QColor oddRow;
    QColor evenRow;
    QColor rowText;
    QColor exerciseName;

    // Saturdays and Sundays in the mini calendar, and the days of the months before and after
    // the shown one (drawn on the window palette's Base).
    QColor weekendText;
    QColor otherMonthText;

    // The year grid of the Progress window: all done, some done, failed only, missed, planned
    // ahead, no workout.
    QColor yearAllDone;
    QColor yearSomeDone;
    QColor yearFailedOnly;
    QColor yearMissed;
    QColor yearPlannedAhead;
    QColor yearNoWorkout;

    // The printout, on white paper whatever the windows' appearance (the same in both
    // variants): text, notes and page footers, rules, grid lines, the heading row's and every
    // other row's fill, and the status words (Done, Failed, Not yet).
    QColor printText;
    QColor printMuted;
    QColor printRule;
    QColor printGrid;
    QColor printHeading;
    QColor printShaded;
    QColor printDone;
    QColor printFailed;
    QColor printNotYet;

    bool dark = false;

    static const RepbookColours &Light();
    static const RepbookColours &Dark();
    // The variant that suits a window palette: Dark when its window colour is dark.
    static const RepbookColours &For(const QPalette &palette);
    static bool IsDark(const QPalette &palette);

    // The window palette of the dark appearance (for the Fusion style).
    static QPalette DarkWindowPalette();

    // A text colour and the background it is drawn on, named for a reader of a failed check.
    struct TextPair
    {
        const char *name;
        QColor text;
        QColor background;
    };
    // Every text/background pair this variant paints (with the dark window palette's own pairs
    // for the dark variant).
    QList<TextPair> TextPairs() const;
    // The backgrounds that status pictures are drawn on.
    QList<QColor> PictureBackgrounds() const;
};
