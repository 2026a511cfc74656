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
    <name>DesktopNotification</name>
    <message>
        <source>Open</source>
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
