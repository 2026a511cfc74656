<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AppLanguage</name>
    <message>
        <source>System</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BackupCommand</name>
    <message>
        <source>Keeps a copy of the diary in its Backups folder now. Older copies are removed as the diary&apos;s retention says.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>backup takes no file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: no such file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 fails its integrity check: no backup was made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replaces the diary by a backup. The diary as it is now is kept as a backup first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup to restore (see the diary&apos;s Backups folder).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>restore takes exactly one backup file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The diary %1 cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restored %1 from %2.
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Repbook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Support</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A personal workout diary, with Repminder, its workout notifier.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Running on Qt %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repbook keeps everything on this computer. To back up your diary or move it to another computer, copy these files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diary:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name lists:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder does not exist yet:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder could not be opened:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Licensed under the GNU General Public License, version 3 or later.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CApplyProgramDlg</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose days</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CCommentDlg</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day note</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CConsistencyPage</name>
    <message>
        <source>Previous year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Planned workouts done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weeks in a row with a done workout: %1 now, %2 at most.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No workout in %1. Plan workouts in the calendar and fill in the results: each day then shows here how it went.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 planned workouts done</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDayDlg</name>
    <message>
        <source>Workout planning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exercise...	Ins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Workout...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up	Ctrl + Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Down	Ctrl + Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left	Ctrl + Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right	Ctrl + Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename workout...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected exercise(s)	Del</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All exercises</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Workout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark workout as &apos;Done&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark workout as &apos;Failed&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark workout as &apos;Not yet&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add exercise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove selected exercise(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Workout status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move exercise(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move workout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select workout first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename workout</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDayTabCtrl</name>
    <message>
        <source>Workouts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exercises</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark exercise(s) as &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDisplayDlg</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total days:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CEditorDlg</name>
    <message>
        <source>Workout programs editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New...	Ctrl + N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open...	Ctrl + O</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close	Ctrl + W</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save	Ctrl + S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit	Ctrl + X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected exercise(s)	Del</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Workout...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove selected exercise(s) or day(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You need to fill the current day first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save changes?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error! File is corrupted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error! The program could not be saved to
%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CEmptyDlg</name>
    <message>
        <source>You must not see this.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is an empty training program. To open existing training program double click on this window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no workouts dated to this day. To add new workout double click on this window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no exercises planned on this workout. To add new exercise double click on this window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No workouts can be dated to this day. Change the display range.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CExerciseDlg</name>
    <message>
        <source>Add exercise</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CExercisePage</name>
    <message>
        <source>No exercise is marked Done yet.

Open a day in the diary, fill in what you lifted and mark the exercises Done
(entering a weight does that): their progress and records appear here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter exercises</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exercises</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exercise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Count &amp;failed exercises</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;image...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose an exercise on the left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose an exercise to see its progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No training day of %1 in this range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save chart image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chart could not be saved as %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CFPSMiniCalendarCtrl</name>
    <message>
        <source>marked dates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CFindDlg</name>
    <message>
        <source>Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fi&amp;nd:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Workout, exercise or note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type to find workouts, exercises and notes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No match.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 match.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 matches.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CImportPreviewDlg</name>
    <message>
        <source>Import Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Everything in this file is already in the diary: nothing to add.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adds %1 with %2 on %3 (%4 new).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file gives weights in pounds: they are stored in kilograms and shown in pounds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file gives weights in pounds: they are stored in kilograms, the file&apos;s pounds shown beside them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file gives weights in kilograms: they are stored as they are and shown in pounds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weights are in kilograms, as in the file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt; (%2)&lt;br&gt;%3&lt;br&gt;Already in the diary, left out: %4. Rows skipped: %5.&lt;br&gt;%6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Workouts added</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exercises added</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Already there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Workouts: sets × reps × weight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  (new day)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Per date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skipped because</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rows that cannot be stored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Per date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rows of the file that cannot be stored:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CNameDlg</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CNameMappingPanel</name>
    <message>
        <source>Exercise names not in the diary (tick to record one under the diary&apos;s name beside it; unticked names become new exercises):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record &quot;%1&quot; under the diary&apos;s name beside it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>diary name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diary name for %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CNotifierWindow</name>
    <message>
        <source>No reminder at the moment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This desktop has no notification area, so the workout notifier shows this window. It comes to the front when there is something to remind you of.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repminder - workout notifier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O&amp;ptions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click &quot;Open&quot; to see the reminder.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CNotifyDlg</name>
    <message>
        <source>View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ask about workout results at</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Workout remind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Diary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel workout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remind me later</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time to ask about workout results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please fill in information about your workout results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have a workout today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The diary database could not be read or is damaged:
%1
Open the diary to check it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no workout for today in the diary.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The diary changed this day while you were editing it. The diary&apos;s version was kept; your entries were saved in:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The workout could not be saved to the diary database.
%1
Try again?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no workout for today to print.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>COptionsCommonPage</name>
    <message>
        <source>Shields</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flags</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make a delay while program applying</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Kilograms (kg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Pounds (lb)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status images</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program applying</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weight unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;ystem (as the desktop)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La&amp;nguage:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A new language takes effect the next time Repbook starts.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>COptionsDlg</name>
    <message>
        <source>&amp;Launch at logon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show notification &amp;icon in taskbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Never</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On &amp;startup only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Every</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minutes between reminders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Misc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter the number of minutes between reminders, from 1 to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The logon entry could not be written:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The logon entry could not be removed:
%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>COptionsFolderPage</name>
    <message>
        <source>&amp;Change...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diary folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The diary and the lists of exercise and workout names are kept here. To use one diary on several computers, choose a folder that a sync program (Syncthing, Nextcloud, Dropbox) shares between them. Backups stay on this computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder is set by REPBOOK_HOME or by the portable installation.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>COptionsSheet</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Common</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diary folder</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CPasswordDlg</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Access denied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password incorrect.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CProgressDlg</name>
    <message>
        <source>Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exercises</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Consistency</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CRepbookApp</name>
    <message>
        <source>Warning! Program database is corrupted.
Do you want to create new database? All your information will be lost. To recover it contact developers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning! Program database is corrupted.
Do you want to create new database? The damaged file will be kept beside the new one. To recover it contact developers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning! Program database is corrupted.
The newest sound backup is %1.

Restore that backup, create a new, empty database, or quit?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> The damaged file will be kept beside the diary.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application is already running</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Restore backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application is closing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup could not be restored to:
%1
Application is closing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The damaged database could not be set aside:
%1
It was left unchanged. Application is closing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The damaged database was kept as:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A new database could not be created:
%1
The diary opens empty and cannot be saved.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CRepbookDlg</name>
    <message>
        <source>Day note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Training calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dates in the range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Workout area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Range of the calendar: %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CRestoreDlg</name>
    <message>
        <source>&amp;Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore from backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Days in this backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no backups yet. The diary makes one before its first save of each day.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Backups, newest first. Restoring one keeps the diary as it is now as a backup first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a backup to see its days.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This backup cannot be read or is damaged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Days in this backup (%1), read-only:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CTrainingDlg</name>
    <message>
        <source>Add workout</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CTrayIcon</name>
    <message>
        <source>&amp;Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O&amp;ptions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CUserDataDlg</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Common</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Security</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirmation:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weight:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chest:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Biceps:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anthropometrics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password and confirmation fields does not match.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a whole number.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CYearGrid</name>
    <message>
        <source>Year %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All workouts done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some workouts done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Planned but missed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Planned ahead</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No workout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChartRange</name>
    <message>
        <source>All time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calendar range</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChartSummary</name>
    <message>
        <source>%1 on %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: no data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: first %2, latest %3, best %4</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CheckCommand</name>
    <message>
        <source>Runs the integrity check of a diary file and prints its day count and date range. Exit code 0: sound, 1: damaged or unreadable.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The diary file (default: --diary or the data folder&apos;s diary).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>check takes one file at most.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: no such file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
The newest sound backup is %1:
%2
Restore it with: repbook-cli restore &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no dates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conflict copies left by a sync engine (repbook-cli merge merges them):
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Command</name>
    <message>
        <source>Work on the diary FILE instead of the one in the data folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only days on or after DATE (yyyy-MM-dd).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only days on or before DATE (yyyy-MM-dd).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weights in kg or lb (default: the unit chosen in the diary&apos;s Options).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (see repbook-cli %2 --help)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no date of the form yyyy-MM-dd.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--from %1 lies after --to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown unit &quot;%1&quot;; use kg or lb.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The diary %1 cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The diary %1 is damaged: it fails its integrity check.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: repbook-cli </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CountText</name>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n workout(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n exercise(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n date(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n selected day(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n new day(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DayOperations</name>
    <message>
        <source>Do you really want to remove selected day(s)?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are some trainings dated to this day.
If you want to swap days press &apos;Yes&apos;.
If you want to merge training days press &apos;No&apos;.
Press &apos;Cancel&apos; to do nothing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have selected an empty day.
If you want to move trainings here press &apos;Yes&apos;.
If you want to make a copy of this day press &apos;No&apos;.
Press &apos;Cancel&apos; to do nothing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error! Training could not be dated to this day.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the target day.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the day first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Swap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Merge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DayPrintDocument</name>
    <message>
        <source>Exercise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Negative</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No exercises.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No workouts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DesktopNotification</name>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DiaryExchange</name>
    <message>
        <source>Export only the %1?

Yes: the selected days.
No: the whole diary (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv);;JSON files (*.json);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Training log exports: Repbook, Strong, Hevy, FitNotes, LiftLog (*.csv *.json);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DiaryFolderFlow</name>
    <message>
        <source>%1 already holds a diary, from another computer perhaps.

Yes: use that diary. The diary of this computer stays where it is, unused.
No: merge the diary of this computer into it, day by day. Where both hold a day with other entries, that diary&apos;s day is kept and this computer&apos;s is saved beside it.
Cancel: keep the diary where it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diary folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
The diary stays where it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The diary is now in:
%1

The files in %2 were left as they were; remove them once you no longer need them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

Days that both diaries hold with other entries kept the folder&apos;s version; this computer&apos;s were saved in:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

The ignore file .stignore could not be written there: keep *.lock files and the Backups folder out of the sync by hand.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DiaryHistory</name>
    <message>
        <source>&quot;%1 %2&quot; is not possible: another program (the notifier or the command-line tool) has changed %3 since. Doing it would throw that change away.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DiaryImport</name>
    <message>
        <source>%1: %2 with %3 to add (%4)%5; %6 already in the diary; %7 skipped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Added %1 with %2 (%3)%4.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DiarySaving</name>
    <message>
        <source>Another program changed days that were also changed here:
%1
The diary keeps the version shown here. The other version was saved in:
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The diary file had been damaged outside the program. It was kept as:
%1
The diary was saved again from the days shown here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Your changes are kept while the program runs, and saving is tried again every minute.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
The diary itself is saved as usual; the backup is tried again at the next save.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not saved: the days of %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
%2

Retry, exit without saving (Discard), or go back to the diary (Cancel)?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExportCommand</name>
    <message>
        <source>csv (default) or json.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write to FILE instead of standard output.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writes the diary, or the days of a date range, as CSV or JSON.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>export takes no file argument; use --output.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The export could not be written to standard output.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FindCommand</name>
    <message>
        <source>Prints the workouts, exercises and notes that contain TEXT, newest first. Case and accents do not matter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The text to find.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>find takes exactly one text (quote a text with spaces).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>find needs a text to look for.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not found.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FindResultsModel</name>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportCommand</name>
    <message>
        <source>&quot;%1&quot; is no exercise of the diary; the closest is &quot;%2&quot; (--map &quot;%1=%2&quot; joins them).
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>auto (default), csv, json, strong, hevy, fitnotes or liftlog.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Joins an exercise name of the file to one of the diary, as &quot;NAME IN THE FILE=DIARY NAME&quot; (repeatable; overrides a remembered choice for this run).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only print what would be added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Also print a line for every date.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adds the workouts of a Repbook CSV or JSON export, or of a CSV export of Strong, Hevy, FitNotes or LiftLog, to the diary. Workouts already in the diary are left out. Safe while Repbook or Repminder runs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file to import.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>import takes exactly one file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--map &quot;%1&quot; is not &quot;NAME IN THE FILE=DIARY NAME&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The diary %1 cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing to add.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Days changed meanwhile by another program were kept in %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LaunchDiary</name>
    <message>
        <source>The diary program could not be started:
%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;rint preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print	Ctrl + P</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore from &amp;backup...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl + Z</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl + Y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View...	Return</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes...	Ctrl + N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add workout...	Ins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Move selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove selected	Del</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find...	Ctrl + F</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Today	Ctrl + Return</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First day	Ctrl + Home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous day	Ctrl + Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next day	Ctrl + Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last day	Ctrl + End</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Refresh	F5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set range...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Selection to range	Ctrl + R</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Editor...	Ctrl + E</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply program...	Ctrl + Space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Progress...	Ctrl + G</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Repbook...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MergeCommand</name>
    <message>
        <source>Only print what would be merged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: already merged, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: damaged (fails its integrity check), not merged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: cannot be read, not merged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; changed on both sides, the diary&apos;s days kept: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Merges the conflict copies that a sync engine (Syncthing, Nextcloud, Dropbox) left beside the diary and its name lists, by date, then removes them. A date changed on both sides keeps the diary&apos;s days; the copy&apos;s are kept in a conflict file beside the diary. Exit code 0: merged or nothing to merge, 1: a copy could not be merged (nothing is written then). Safe while Repbook or Repminder runs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>merge takes no file; use --diary.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing to merge.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: names merged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 names would be added to the name lists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 names added to the name lists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The copies&apos; days of dates changed on both sides are kept in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Nothing was merged.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrintedDay</name>
    <message>
        <source>Undated day</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>none yet</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecordsCommand</name>
    <message>
        <source>Count Failed exercises as well as Done.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 x %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heaviest, %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Estimated 1RM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Highest day volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Most reps, weight 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints the personal records of an exercise, or of every performed exercise, most recently trained first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The exercise (case and surrounding spaces do not matter); all exercises when left out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>records takes one exercise at most (quote a name with spaces).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No exercise is marked Done in the diary yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; was never done.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecordsTable</name>
    <message>
        <source>Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heaviest, 1 rep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heaviest, %1 reps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Estimated 1RM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Highest day volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Most reps, weight 0</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReminderScheduler</name>
    <message>
        <source>You have a workout today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get workout plan by clicking on this message.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill in workout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click on this message to fill in your workout results.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RestoreFlow</name>
    <message>
        <source>Replace the diary by the backup %1?
The diary as it is now is kept as a backup first, and Undo brings it back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Nothing was restored: the diary as it is now could not be kept first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
The restored days are shown, and saving is tried again every minute.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The diary was restored from:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
The diary as it was is kept as:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Days another program had changed meanwhile are kept in:
%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WindowHistory</name>
    <message>
        <source>Mark </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Usage: repbook-cli [--diary FILE] COMMAND [options]

Works on the Repbook diary from scripts.

Commands:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
repbook-cli COMMAND --help describes a command&apos;s options. Exit codes: 0 done, 1 failed, 2 bad usage.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--diary needs a FILE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot; before the command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a command is missing after %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (see repbook-cli --help)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot; (see repbook-cli --help)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
