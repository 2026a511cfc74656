<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AppLanguage</name>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
</context>
<context>
    <name>BackupCommand</name>
    <message>
        <source>Keeps a copy of the diary in its Backups folder now. Older copies are removed as the diary&apos;s retention says.</source>
        <translation>Legt jetzt eine Kopie des Tagebuchs in seinem Ordner Backups an. Ältere Kopien werden entfernt, wie es die Aufbewahrung des Tagebuchs vorsieht.</translation>
    </message>
    <message>
        <source>backup takes no file.</source>
        <translation>backup nimmt keine Datei.</translation>
    </message>
    <message>
        <source>%1: no such file.</source>
        <translation>%1: Datei nicht gefunden.</translation>
    </message>
    <message>
        <source>%1 fails its integrity check: no backup was made.</source>
        <translation>%1 besteht die Integritätsprüfung nicht: Es wurde keine Sicherung angelegt.</translation>
    </message>
    <message>
        <source>Replaces the diary by a backup. The diary as it is now is kept as a backup first.</source>
        <translation>Ersetzt das Tagebuch durch eine Sicherung. Das Tagebuch, wie es jetzt ist, wird vorher als Sicherung aufbewahrt.</translation>
    </message>
    <message>
        <source>The backup to restore (see the diary&apos;s Backups folder).</source>
        <translation>Die wiederherzustellende Sicherung (siehe den Ordner Backups des Tagebuchs).</translation>
    </message>
    <message>
        <source>restore takes exactly one backup file.</source>
        <translation>restore nimmt genau eine Sicherungsdatei.</translation>
    </message>
    <message>
        <source>The diary %1 cannot be read.</source>
        <translation>Das Tagebuch %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Restored %1 from %2.
</source>
        <translation>%1 aus %2 wiederhergestellt.
</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Repbook</source>
        <translation>Über Repbook</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>A personal workout diary, with Repminder, its workout notifier.</source>
        <translation>Ein persönliches Trainingstagebuch, mit Repminder, seiner Trainingserinnerung.</translation>
    </message>
    <message>
        <source>Running on Qt %1.</source>
        <translation>Läuft mit Qt %1.</translation>
    </message>
    <message>
        <source>Repbook keeps everything on this computer. To back up your diary or move it to another computer, copy these files.</source>
        <translation>Repbook speichert alles auf diesem Computer. Um Ihr Tagebuch zu sichern oder auf einen anderen Computer zu bringen, kopieren Sie diese Dateien.</translation>
    </message>
    <message>
        <source>Diary:</source>
        <translation>Tagebuch:</translation>
    </message>
    <message>
        <source>Name lists:</source>
        <translation>Namenslisten:</translation>
    </message>
    <message>
        <source>Settings:</source>
        <translation>Einstellungen:</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>The folder does not exist yet:
%1</source>
        <translation>Der Ordner existiert noch nicht:
%1</translation>
    </message>
    <message>
        <source>The folder could not be opened:
%1</source>
        <translation>Der Ordner konnte nicht geöffnet werden:
%1</translation>
    </message>
    <message>
        <source>Licensed under the GNU General Public License, version 3 or later.</source>
        <translation>Lizenziert unter der GNU General Public License, Version 3 oder später.</translation>
    </message>
</context>
<context>
    <name>CApplyProgramDlg</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Apply program</source>
        <translation>Programm anwenden</translation>
    </message>
    <message>
        <source>Choose days</source>
        <translation>Tage wählen</translation>
    </message>
</context>
<context>
    <name>CCommentDlg</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Day note</source>
        <translation>Tagesnotiz</translation>
    </message>
</context>
<context>
    <name>CConflictsDlg</name>
    <message>
        <source>No workouts.</source>
        <translation>Keine Trainings.</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Notiz: %1</translation>
    </message>
    <message>
        <source>This diary&apos;s version</source>
        <translation>Fassung dieses Tagebuchs</translation>
    </message>
    <message>
        <source>Other version</source>
        <translation>Andere Fassung</translation>
    </message>
    <message>
        <source>&amp;Take other version</source>
        <translation>Andere Fassung &amp;übernehmen</translation>
    </message>
    <message>
        <source>&amp;Dismiss other version...</source>
        <translation>Andere Fassung &amp;verwerfen...</translation>
    </message>
    <message>
        <source>&amp;Show in calendar</source>
        <translation>Im &amp;Kalender zeigen</translation>
    </message>
    <message>
        <source>Conflicts</source>
        <translation>Konflikte</translation>
    </message>
    <message>
        <source>Dates changed on both sides</source>
        <translation>Auf beiden Seiten geänderte Daten</translation>
    </message>
    <message>
        <source>D&amp;ates:</source>
        <translation>D&amp;aten:</translation>
    </message>
    <message>
        <source>In this diary (kept):</source>
        <translation>In diesem Tagebuch (behalten):</translation>
    </message>
    <message>
        <source>Other version:</source>
        <translation>Andere Fassung:</translation>
    </message>
    <message>
        <source>Puts the other version into the diary; Undo brings this diary&apos;s back</source>
        <translation>Übernimmt die andere Fassung ins Tagebuch; Rückgängig holt die dieses Tagebuchs zurück</translation>
    </message>
    <message>
        <source>Keeps this diary&apos;s version and removes the other one</source>
        <translation>Behält die Fassung dieses Tagebuchs und entfernt die andere</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>the other version was kept on %1</source>
        <translation>die andere Fassung wurde am %1 aufbewahrt</translation>
    </message>
    <message>
        <source>the other version was kept</source>
        <translation>die andere Fassung wurde aufbewahrt</translation>
    </message>
    <message>
        <source>No conflicts: no day was changed on both sides.</source>
        <translation>Keine Konflikte: Kein Tag wurde auf beiden Seiten geändert.</translation>
    </message>
    <message>
        <source>One date was changed here and elsewhere (on another computer or in the notifier). The diary kept its version; take the other one if it is the one you want.</source>
        <translation>Ein Datum wurde hier und anderswo geändert (auf einem anderen Computer oder in der Erinnerung). Das Tagebuch hat seine Fassung behalten; übernehmen Sie die andere, wenn Sie diese wollen.</translation>
    </message>
    <message>
        <source>%1 dates were changed here and elsewhere (on another computer or in the notifier). The diary kept its version of each; take the other one where it is the one you want.</source>
        <translation>%1 Daten wurden hier und anderswo geändert (auf einem anderen Computer oder in der Erinnerung). Das Tagebuch hat jeweils seine Fassung behalten; übernehmen Sie die andere, wo Sie diese wollen.</translation>
    </message>
    <message>
        <source>These conflict files are damaged and cannot be shown: %1</source>
        <translation>Diese Konfliktdateien sind beschädigt und können nicht gezeigt werden: %1</translation>
    </message>
    <message>
        <source>Dismiss the other version of %1?
The diary keeps its version; the other one is removed for good.</source>
        <translation>Die andere Fassung von %1 verwerfen?
Das Tagebuch behält seine Fassung; die andere wird endgültig entfernt.</translation>
    </message>
</context>
<context>
    <name>CConsistencyPage</name>
    <message>
        <source>Previous year</source>
        <translation>Voriges Jahr</translation>
    </message>
    <message>
        <source>Next year</source>
        <translation>Nächstes Jahr</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>&amp;Jahr:</translation>
    </message>
    <message>
        <source>Planned workouts done</source>
        <translation>Erledigte geplante Trainings</translation>
    </message>
    <message>
        <source>Weeks in a row with a done workout: %1 now, %2 at most.</source>
        <translation>Wochen in Folge mit einem erledigten Training: jetzt %1, höchstens %2.</translation>
    </message>
    <message>
        <source>No workout in %1. Plan workouts in the calendar and fill in the results: each day then shows here how it went.</source>
        <translation>Kein Training in %1. Planen Sie Trainings im Kalender und tragen Sie die Ergebnisse ein: Dann zeigt hier jeder Tag, wie es lief.</translation>
    </message>
    <message>
        <source>%1 of %2 planned workouts done</source>
        <translation>%1 von %2 geplanten Trainings erledigt</translation>
    </message>
</context>
<context>
    <name>CDayDlg</name>
    <message>
        <source>Workout planning</source>
        <translation>Trainingsplanung</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
</context>
<context>
    <name>CDayPrinter</name>
    <message>
        <source>There is nothing to print: no training day is selected.</source>
        <translation>Es gibt nichts zu drucken: Kein Trainingstag ist ausgewählt.</translation>
    </message>
    <message>
        <source>The training log could not be printed. Check the printer or the file name and try again.</source>
        <translation>Das Trainingstagebuch konnte nicht gedruckt werden. Prüfen Sie den Drucker oder den Dateinamen und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Training log</source>
        <translation>Trainingstagebuch</translation>
    </message>
</context>
<context>
    <name>CDayTabCtrl</name>
    <message>
        <source>Workouts</source>
        <translation>Trainings</translation>
    </message>
    <message>
        <source>Exercises</source>
        <translation>Übungen</translation>
    </message>
    <message>
        <source>Mark exercise(s) as &apos;%1&apos;</source>
        <translation>Übung(en) als „%1“ markieren</translation>
    </message>
</context>
<context>
    <name>CDisplayDlg</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Display range</source>
        <translation>Anzeigezeitraum</translation>
    </message>
    <message>
        <source>Start date:</source>
        <translation>Startdatum:</translation>
    </message>
    <message>
        <source>End date:</source>
        <translation>Enddatum:</translation>
    </message>
    <message>
        <source>Total days:</source>
        <translation>Tage insgesamt:</translation>
    </message>
</context>
<context>
    <name>CEditorDlg</name>
    <message>
        <source>Workout programs editor</source>
        <translation>Trainingsprogramm-Editor</translation>
    </message>
    <message>
        <source>You need to fill the current day first.</source>
        <translation>Füllen Sie zuerst den aktuellen Tag aus.</translation>
    </message>
</context>
<context>
    <name>CEmptyDlg</name>
    <message>
        <source>You must not see this.</source>
        <translation>Dies sollten Sie nicht sehen.</translation>
    </message>
    <message>
        <source>This is an empty training program. To open existing training program double click on this window.</source>
        <translation>Dies ist ein leeres Trainingsprogramm. Um ein vorhandenes Trainingsprogramm zu öffnen, doppelklicken Sie in dieses Fenster.</translation>
    </message>
    <message>
        <source>There are no workouts dated to this day. To add new workout double click on this window.</source>
        <translation>An diesem Tag sind keine Trainings eingetragen. Um ein neues Training hinzuzufügen, doppelklicken Sie in dieses Fenster.</translation>
    </message>
    <message>
        <source>There are no exercises planned on this workout. To add new exercise double click on this window.</source>
        <translation>In diesem Training sind keine Übungen geplant. Um eine neue Übung hinzuzufügen, doppelklicken Sie in dieses Fenster.</translation>
    </message>
    <message>
        <source>No workouts can be dated to this day. Change the display range.</source>
        <translation>Auf diesen Tag können keine Trainings gelegt werden. Ändern Sie den Anzeigezeitraum.</translation>
    </message>
</context>
<context>
    <name>CExerciseDlg</name>
    <message>
        <source>Add exercise</source>
        <translation>Übung hinzufügen</translation>
    </message>
</context>
<context>
    <name>CExercisePage</name>
    <message>
        <source>No exercise is marked Done yet.

Open a day in the diary, fill in what you lifted and mark the exercises Done
(entering a weight does that): their progress and records appear here.</source>
        <translation>Noch keine Übung ist als geschafft markiert.

Öffnen Sie einen Tag im Tagebuch, tragen Sie ein, was Sie gehoben haben, und markieren Sie die Übungen als geschafft
(die Eingabe eines Gewichts erledigt das): Dann erscheinen hier Fortschritt und Rekorde.</translation>
    </message>
    <message>
        <source>Filter exercises</source>
        <translation>Übungen filtern</translation>
    </message>
    <message>
        <source>Exercises</source>
        <translation>Übungen</translation>
    </message>
    <message>
        <source>Exercise</source>
        <translation>Übung</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Zuletzt</translation>
    </message>
    <message>
        <source>Count &amp;failed exercises</source>
        <translation>&amp;Nicht geschaffte Übungen mitzählen</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Rekorde</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Zeigen:</translation>
    </message>
    <message>
        <source>Save &amp;image...</source>
        <translation>&amp;Bild speichern...</translation>
    </message>
    <message>
        <source>Choose an exercise on the left</source>
        <translation>Wählen Sie links eine Übung</translation>
    </message>
    <message>
        <source>Choose an exercise to see its progress</source>
        <translation>Wählen Sie eine Übung, um ihren Fortschritt zu sehen</translation>
    </message>
    <message>
        <source>No training day of %1 in this range</source>
        <translation>Kein Trainingstag mit %1 in diesem Zeitraum</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>Save chart image</source>
        <translation>Diagramm als Bild speichern</translation>
    </message>
    <message>
        <source>The chart could not be saved as %1.</source>
        <translation>Das Diagramm konnte nicht als %1 gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>CFPSMiniCalendarCtrl</name>
    <message>
        <source>marked dates</source>
        <translation>markierte Tage</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Voriger Monat</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Nächster Monat</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
</context>
<context>
    <name>CFindDlg</name>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Fi&amp;nd:</source>
        <translation>Su&amp;chen:</translation>
    </message>
    <message>
        <source>Workout, exercise or note</source>
        <translation>Training, Übung oder Notiz</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>Type to find workouts, exercises and notes.</source>
        <translation>Tippen Sie, um Trainings, Übungen und Notizen zu finden.</translation>
    </message>
    <message>
        <source>No match.</source>
        <translation>Kein Treffer.</translation>
    </message>
    <message>
        <source>1 match.</source>
        <translation>1 Treffer.</translation>
    </message>
    <message>
        <source>%1 matches.</source>
        <translation>%1 Treffer.</translation>
    </message>
</context>
<context>
    <name>CImportPreviewDlg</name>
    <message>
        <source>Import Preview</source>
        <translation>Importvorschau</translation>
    </message>
    <message>
        <source>Everything in this file is already in the diary: nothing to add.</source>
        <translation>Alles in dieser Datei steht schon im Tagebuch: nichts hinzuzufügen.</translation>
    </message>
    <message>
        <source>Adds %1 with %2 on %3 (%4 new).</source>
        <translation>Fügt %1 mit %2 an %3 hinzu (%4 neu).</translation>
    </message>
    <message>
        <source>The file gives weights in pounds: they are stored in kilograms and shown in pounds.</source>
        <translation>Die Datei gibt Gewichte in Pfund an: Sie werden in Kilogramm gespeichert und in Pfund angezeigt.</translation>
    </message>
    <message>
        <source>The file gives weights in pounds: they are stored in kilograms, the file&apos;s pounds shown beside them.</source>
        <translation>Die Datei gibt Gewichte in Pfund an: Sie werden in Kilogramm gespeichert, die Pfund der Datei daneben angezeigt.</translation>
    </message>
    <message>
        <source>The file gives weights in kilograms: they are stored as they are and shown in pounds.</source>
        <translation>Die Datei gibt Gewichte in Kilogramm an: Sie werden unverändert gespeichert und in Pfund angezeigt.</translation>
    </message>
    <message>
        <source>Weights are in kilograms, as in the file.</source>
        <translation>Die Gewichte sind in Kilogramm, wie in der Datei.</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt; (%2)&lt;br&gt;%3&lt;br&gt;Already in the diary, left out: %4. Rows skipped: %5.&lt;br&gt;%6</source>
        <translation>&lt;b&gt;%1&lt;/b&gt; (%2)&lt;br&gt;%3&lt;br&gt;Schon im Tagebuch, ausgelassen: %4. Übersprungene Zeilen: %5.&lt;br&gt;%6</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Workouts added</source>
        <translation>Neue Trainings</translation>
    </message>
    <message>
        <source>Exercises added</source>
        <translation>Neue Übungen</translation>
    </message>
    <message>
        <source>Already there</source>
        <translation>Schon vorhanden</translation>
    </message>
    <message>
        <source>Workouts: sets × reps × weight</source>
        <translation>Trainings: Sätze × Wdh. × Gewicht</translation>
    </message>
    <message>
        <source>  (new day)</source>
        <translation>  (neuer Tag)</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(ohne Namen)</translation>
    </message>
    <message>
        <source>Per date</source>
        <translation>Nach Datum</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Skipped because</source>
        <translation>Übersprungen, weil</translation>
    </message>
    <message>
        <source>Rows that cannot be stored</source>
        <translation>Zeilen, die nicht gespeichert werden können</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>Per date:</source>
        <translation>Nach Datum:</translation>
    </message>
    <message>
        <source>Rows of the file that cannot be stored:</source>
        <translation>Zeilen der Datei, die nicht gespeichert werden können:</translation>
    </message>
</context>
<context>
    <name>CNameDlg</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
</context>
<context>
    <name>CNameMappingPanel</name>
    <message>
        <source>Exercise names not in the diary (tick to record one under the diary&apos;s name beside it; unticked names become new exercises):</source>
        <translation>Übungsnamen, die nicht im Tagebuch stehen (ankreuzen, um eine unter dem Tagebuchnamen daneben einzutragen; nicht angekreuzte Namen werden neue Übungen):</translation>
    </message>
    <message>
        <source>Record &quot;%1&quot; under the diary&apos;s name beside it</source>
        <translation>„%1“ unter dem Tagebuchnamen daneben eintragen</translation>
    </message>
    <message>
        <source>diary name</source>
        <translation>Name im Tagebuch</translation>
    </message>
    <message>
        <source>Diary name for %1</source>
        <translation>Name im Tagebuch für %1</translation>
    </message>
</context>
<context>
    <name>CNotifierWindow</name>
    <message>
        <source>No reminder at the moment</source>
        <translation>Im Moment keine Erinnerung</translation>
    </message>
    <message>
        <source>This desktop has no notification area, so the workout notifier shows this window. It comes to the front when there is something to remind you of.</source>
        <translation>Dieser Desktop hat keinen Benachrichtigungsbereich, daher zeigt die Trainingserinnerung dieses Fenster. Es kommt nach vorn, wenn es etwas zu erinnern gibt.</translation>
    </message>
    <message>
        <source>Repminder - workout notifier</source>
        <translation>Repminder - Trainingserinnerung</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>O&amp;ptions</source>
        <translation>O&amp;ptionen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>Click &quot;Open&quot; to see the reminder.</source>
        <translation>Klicken Sie auf „Öffnen“, um die Erinnerung zu sehen.</translation>
    </message>
</context>
<context>
    <name>CNotifyDlg</name>
    <message>
        <source>View</source>
        <translation>Ansehen</translation>
    </message>
    <message>
        <source>Ask about workout results at</source>
        <translation>Nach Trainingsergebnissen fragen um</translation>
    </message>
    <message>
        <source>Workout remind</source>
        <translation>Trainingserinnerung</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>Open Diary</source>
        <translation>Tagebuch öffnen</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Cancel workout</source>
        <translation>Training absagen</translation>
    </message>
    <message>
        <source>Remind me later</source>
        <translation>Später erinnern</translation>
    </message>
    <message>
        <source>Time to ask about workout results</source>
        <translation>Zeit für die Frage nach den Trainingsergebnissen</translation>
    </message>
    <message>
        <source>Please fill in information about your workout results</source>
        <translation>Bitte tragen Sie Ihre Trainingsergebnisse ein</translation>
    </message>
    <message>
        <source>Fill in</source>
        <translation>Eintragen</translation>
    </message>
    <message>
        <source>You have a workout today</source>
        <translation>Heute steht ein Training an</translation>
    </message>
    <message>
        <source>The diary database could not be read or is damaged:
%1
Open the diary to check it.</source>
        <translation>Die Tagebuchdatenbank konnte nicht gelesen werden oder ist beschädigt:
%1
Öffnen Sie das Tagebuch, um sie zu prüfen.</translation>
    </message>
    <message>
        <source>There is no workout for today in the diary.</source>
        <translation>Im Tagebuch steht für heute kein Training.</translation>
    </message>
    <message>
        <source>The workout could not be saved to the diary database.
%1
Try again?</source>
        <translation>Das Training konnte nicht in der Tagebuchdatenbank gespeichert werden.
%1
Erneut versuchen?</translation>
    </message>
    <message>
        <source>There is no workout for today to print.</source>
        <translation>Für heute gibt es kein Training zu drucken.</translation>
    </message>
    <message>
        <source>The diary changed this day while you were editing it. The diary&apos;s version was kept; your entries were saved in:
%1
In the diary, Edit &gt; Conflicts shows them beside its version and lets you take them instead.</source>
        <translation>Das Tagebuch hat diesen Tag geändert, während Sie ihn bearbeitet haben. Die Fassung des Tagebuchs wurde behalten; Ihre Einträge wurden gespeichert in:
%1
Im Tagebuch zeigt Bearbeiten &gt; Konflikte sie neben seiner Fassung und lässt Sie sie stattdessen übernehmen.</translation>
    </message>
</context>
<context>
    <name>COptionsCommonPage</name>
    <message>
        <source>Shields</source>
        <translation>Schilde</translation>
    </message>
    <message>
        <source>Flags</source>
        <translation>Flaggen</translation>
    </message>
    <message>
        <source>Make a delay while program applying</source>
        <translation>Beim Anwenden eines Programms pausieren</translation>
    </message>
    <message>
        <source>&amp;Kilograms (kg)</source>
        <translation>&amp;Kilogramm (kg)</translation>
    </message>
    <message>
        <source>&amp;Pounds (lb)</source>
        <translation>&amp;Pfund (lb)</translation>
    </message>
    <message>
        <source>Status images</source>
        <translation>Statusbilder</translation>
    </message>
    <message>
        <source>Program applying</source>
        <translation>Programm anwenden</translation>
    </message>
    <message>
        <source>Weight unit</source>
        <translation>Gewichtseinheit</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Erscheinungsbild</translation>
    </message>
    <message>
        <source>S&amp;ystem (as the desktop)</source>
        <translation>S&amp;ystem (wie der Desktop)</translation>
    </message>
    <message>
        <source>&amp;Light</source>
        <translation>&amp;Hell</translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <translation>&amp;Dunkel</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>La&amp;nguage:</source>
        <translation>Spr&amp;ache:</translation>
    </message>
    <message>
        <source>A new language takes effect the next time Repbook starts.</source>
        <translation>Eine neue Sprache gilt ab dem nächsten Start von Repbook.</translation>
    </message>
</context>
<context>
    <name>COptionsDlg</name>
    <message>
        <source>&amp;Launch at logon</source>
        <translation>Bei der Anmeldung &amp;starten</translation>
    </message>
    <message>
        <source>Show notification &amp;icon in taskbar</source>
        <translation>Benachrichtigungs&amp;symbol in der Taskleiste zeigen</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Notify</source>
        <translation>Erinnern</translation>
    </message>
    <message>
        <source>&amp;Never</source>
        <translation>&amp;Nie</translation>
    </message>
    <message>
        <source>On &amp;startup only</source>
        <translation>Nur beim &amp;Start</translation>
    </message>
    <message>
        <source>&amp;Every</source>
        <translation>&amp;Alle</translation>
    </message>
    <message>
        <source>Minutes between reminders</source>
        <translation>Minuten zwischen Erinnerungen</translation>
    </message>
    <message>
        <source>Misc</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abb&amp;rechen</translation>
    </message>
    <message>
        <source>Please enter the number of minutes between reminders, from 1 to %1.</source>
        <translation>Bitte geben Sie die Minuten zwischen Erinnerungen ein, von 1 bis %1.</translation>
    </message>
    <message>
        <source>The logon entry could not be written:
%1</source>
        <translation>Der Anmeldeeintrag konnte nicht geschrieben werden:
%1</translation>
    </message>
    <message>
        <source>The logon entry could not be removed:
%1</source>
        <translation>Der Anmeldeeintrag konnte nicht entfernt werden:
%1</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>Minuten</translation>
    </message>
</context>
<context>
    <name>COptionsFolderPage</name>
    <message>
        <source>&amp;Change...</source>
        <translation>Ä&amp;ndern...</translation>
    </message>
    <message>
        <source>Diary folder</source>
        <translation>Tagebuchordner</translation>
    </message>
    <message>
        <source>The diary and the lists of exercise and workout names are kept here. To use one diary on several computers, choose a folder that a sync program (Syncthing, Nextcloud, Dropbox) shares between them. Backups stay on this computer.</source>
        <translation>Hier liegen das Tagebuch und die Listen der Übungs- und Trainingsnamen. Um ein Tagebuch auf mehreren Computern zu nutzen, wählen Sie einen Ordner, den ein Sync-Programm (Syncthing, Nextcloud, Dropbox) zwischen ihnen teilt. Sicherungen bleiben auf diesem Computer.</translation>
    </message>
    <message>
        <source>The folder is set by REPBOOK_HOME or by the portable installation.</source>
        <translation>Der Ordner ist durch REPBOOK_HOME oder die portable Installation festgelegt.</translation>
    </message>
</context>
<context>
    <name>COptionsSheet</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Diary folder</source>
        <translation>Tagebuchordner</translation>
    </message>
</context>
<context>
    <name>CPasswordDlg</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Access denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>Enter password:</source>
        <translation>Passwort eingeben:</translation>
    </message>
    <message>
        <source>Password incorrect.</source>
        <translation>Falsches Passwort.</translation>
    </message>
</context>
<context>
    <name>CProgressChart</name>
    <message>
        <source>d MMM</source>
        <comment>date format of the time axis</comment>
        <translation>d. MMM</translation>
    </message>
</context>
<context>
    <name>CProgressDlg</name>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>&amp;Exercises</source>
        <translation>Ü&amp;bungen</translation>
    </message>
    <message>
        <source>&amp;Consistency</source>
        <translation>&amp;Beständigkeit</translation>
    </message>
</context>
<context>
    <name>CRepbookApp</name>
    <message>
        <source>Warning! Program database is corrupted.
Do you want to create new database? All your information will be lost. To recover it contact developers.</source>
        <translation>Achtung! Die Datenbank des Programms ist beschädigt.
Möchten Sie eine neue Datenbank anlegen? Alle Ihre Daten gehen verloren. Wenden Sie sich zur Wiederherstellung an die Entwickler.</translation>
    </message>
    <message>
        <source>Warning! Program database is corrupted.
Do you want to create new database? The damaged file will be kept beside the new one. To recover it contact developers.</source>
        <translation>Achtung! Die Datenbank des Programms ist beschädigt.
Möchten Sie eine neue Datenbank anlegen? Die beschädigte Datei wird neben der neuen aufbewahrt. Wenden Sie sich zur Wiederherstellung an die Entwickler.</translation>
    </message>
    <message>
        <source>Warning! Program database is corrupted.
The newest sound backup is %1.

Restore that backup, create a new, empty database, or quit?</source>
        <translation>Achtung! Die Datenbank des Programms ist beschädigt.
Die neueste intakte Sicherung ist %1.

Diese Sicherung wiederherstellen, eine neue, leere Datenbank anlegen oder beenden?</translation>
    </message>
    <message>
        <source> The damaged file will be kept beside the diary.</source>
        <translation> Die beschädigte Datei wird neben dem Tagebuch aufbewahrt.</translation>
    </message>
    <message>
        <source>Application is already running</source>
        <translation>Das Programm läuft bereits</translation>
    </message>
    <message>
        <source>&amp;Restore backup</source>
        <translation>Sicherung &amp;wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;New database</source>
        <translation>&amp;Neue Datenbank</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Application is closing.</source>
        <translation>Das Programm wird beendet.</translation>
    </message>
    <message>
        <source>The backup could not be restored to:
%1
Application is closing.</source>
        <translation>Die Sicherung konnte nicht wiederhergestellt werden nach:
%1
Das Programm wird beendet.</translation>
    </message>
    <message>
        <source>The damaged database could not be set aside:
%1
It was left unchanged. Application is closing.</source>
        <translation>Die beschädigte Datenbank konnte nicht beiseitegelegt werden:
%1
Sie blieb unverändert. Das Programm wird beendet.</translation>
    </message>
    <message>
        <source>The damaged database was kept as:
%1</source>
        <translation>Die beschädigte Datenbank wurde aufbewahrt als:
%1</translation>
    </message>
    <message>
        <source>A new database could not be created:
%1
The diary opens empty and cannot be saved.</source>
        <translation>Eine neue Datenbank konnte nicht angelegt werden:
%1
Das Tagebuch öffnet leer und kann nicht gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>CRepbookDlg</name>
    <message>
        <source>Training calendar</source>
        <translation>Trainingskalender</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Add workout</source>
        <translation>Training hinzufügen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Do you want to exit application?</source>
        <translation>Möchten Sie das Programm beenden?</translation>
    </message>
</context>
<context>
    <name>CRestoreDlg</name>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>Restore from backup</source>
        <translation>Aus Sicherung wiederherstellen</translation>
    </message>
    <message>
        <source>Made</source>
        <translation>Angelegt</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>Last day</source>
        <translation>Letzter Tag</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Sicherungen</translation>
    </message>
    <message>
        <source>Days in this backup</source>
        <translation>Tage in dieser Sicherung</translation>
    </message>
    <message>
        <source>There are no backups yet. The diary makes one before its first save of each day.</source>
        <translation>Es gibt noch keine Sicherungen. Das Tagebuch legt vor dem ersten Speichern jedes Tages eine an.</translation>
    </message>
    <message>
        <source>&amp;Backups, newest first. Restoring one keeps the diary as it is now as a backup first.</source>
        <translation>&amp;Sicherungen, neueste zuerst. Beim Wiederherstellen wird das Tagebuch, wie es jetzt ist, zuerst als Sicherung aufbewahrt.</translation>
    </message>
    <message>
        <source>Choose a backup to see its days.</source>
        <translation>Wählen Sie eine Sicherung, um ihre Tage zu sehen.</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>beschädigt</translation>
    </message>
    <message>
        <source>This backup cannot be read or is damaged.</source>
        <translation>Diese Sicherung kann nicht gelesen werden oder ist beschädigt.</translation>
    </message>
    <message>
        <source>&amp;Days in this backup (%1), read-only:</source>
        <translation>&amp;Tage in dieser Sicherung (%1), schreibgeschützt:</translation>
    </message>
</context>
<context>
    <name>CTrainingDlg</name>
    <message>
        <source>Add workout</source>
        <translation>Training hinzufügen</translation>
    </message>
</context>
<context>
    <name>CTrayIcon</name>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>O&amp;ptions</source>
        <translation>O&amp;ptionen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>Repminder - workout notifier</source>
        <translation>Repminder - Trainingserinnerung</translation>
    </message>
</context>
<context>
    <name>CUserDataDlg</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>User data</source>
        <translation>Benutzerdaten</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>First name:</source>
        <translation>Vorname:</translation>
    </message>
    <message>
        <source>Last name:</source>
        <translation>Nachname:</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Sicherheit</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>Confirmation:</source>
        <translation>Bestätigung:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <source>cm</source>
        <translation>cm</translation>
    </message>
    <message>
        <source>Weight:</source>
        <translation>Gewicht:</translation>
    </message>
    <message>
        <source>Chest:</source>
        <translation>Brust:</translation>
    </message>
    <message>
        <source>Biceps:</source>
        <translation>Bizeps:</translation>
    </message>
    <message>
        <source>Anthropometrics</source>
        <translation>Körpermaße</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <source>Password and confirmation fields does not match.</source>
        <translation>Passwort und Bestätigung stimmen nicht überein.</translation>
    </message>
    <message>
        <source>Please enter a whole number.</source>
        <translation>Bitte geben Sie eine ganze Zahl ein.</translation>
    </message>
</context>
<context>
    <name>CYearGrid</name>
    <message>
        <source>Year %1</source>
        <translation>Jahr %1</translation>
    </message>
    <message>
        <source>All workouts done</source>
        <translation>Alle Trainings geschafft</translation>
    </message>
    <message>
        <source>Some workouts done</source>
        <translation>Einige Trainings geschafft</translation>
    </message>
    <message>
        <source>Failed only</source>
        <translation>Nur nicht geschafft</translation>
    </message>
    <message>
        <source>Planned but missed</source>
        <translation>Geplant, aber verpasst</translation>
    </message>
    <message>
        <source>Planned ahead</source>
        <translation>Im Voraus geplant</translation>
    </message>
    <message>
        <source>No workout</source>
        <translation>Kein Training</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Mi</translation>
    </message>
</context>
<context>
    <name>CalendarRange</name>
    <message>
        <source>%1 (today)</source>
        <translation>%1 (heute)</translation>
    </message>
    <message>
        <source>Range - 1 month</source>
        <translation>Zeitraum - 1 Monat</translation>
    </message>
    <message>
        <source>Range - 2 months</source>
        <translation>Zeitraum - 2 Monate</translation>
    </message>
    <message>
        <source>Range - 3 months</source>
        <translation>Zeitraum - 3 Monate</translation>
    </message>
    <message>
        <source>Range - 6 months</source>
        <translation>Zeitraum - 6 Monate</translation>
    </message>
    <message>
        <source>Range - year</source>
        <translation>Zeitraum - Jahr</translation>
    </message>
    <message>
        <source>Set...</source>
        <translation>Festlegen...</translation>
    </message>
    <message>
        <source>1-st of %1</source>
        <extracomment>The first day of a month in a calendar cell; %1 is the month&apos;s name as in a date.</extracomment>
        <translation>1. %1</translation>
    </message>
</context>
<context>
    <name>ChartRange</name>
    <message>
        <source>All time</source>
        <translation>Gesamte Zeit</translation>
    </message>
    <message>
        <source>Calendar range</source>
        <translation>Kalenderzeitraum</translation>
    </message>
    <message>
        <source>5 years</source>
        <translation>5 Jahre</translation>
    </message>
    <message>
        <source>1 year</source>
        <translation>1 Jahr</translation>
    </message>
    <message>
        <source>6 months</source>
        <translation>6 Monate</translation>
    </message>
    <message>
        <source>3 months</source>
        <translation>3 Monate</translation>
    </message>
</context>
<context>
    <name>ChartSummary</name>
    <message>
        <source>%1 on %2</source>
        <translation>%1 am %2</translation>
    </message>
    <message>
        <source>%1: no data</source>
        <translation>%1: keine Daten</translation>
    </message>
    <message>
        <source>%1: first %2, latest %3, best %4</source>
        <translation>%1: erste %2, letzte %3, beste %4</translation>
    </message>
</context>
<context>
    <name>CheckCommand</name>
    <message>
        <source>Runs the integrity check of a diary file and prints its day count and date range. Exit code 0: sound, 1: damaged or unreadable.</source>
        <translation>Führt die Integritätsprüfung einer Tagebuchdatei aus und gibt ihre Anzahl Tage und ihren Zeitraum aus. Exit-Code 0: intakt, 1: beschädigt oder nicht lesbar.</translation>
    </message>
    <message>
        <source>The diary file (default: --diary or the data folder&apos;s diary).</source>
        <translation>Die Tagebuchdatei (Standard: --diary oder das Tagebuch des Datenordners).</translation>
    </message>
    <message>
        <source>check takes one file at most.</source>
        <translation>check nimmt höchstens eine Datei.</translation>
    </message>
    <message>
        <source>%1: no such file.</source>
        <translation>%1: Datei nicht gefunden.</translation>
    </message>
    <message>
        <source>
The newest sound backup is %1:
%2
Restore it with: repbook-cli restore &quot;%2&quot;</source>
        <translation>
Die neueste intakte Sicherung ist %1:
%2
Wiederherstellen mit: repbook-cli restore &quot;%2&quot;</translation>
    </message>
    <message>
        <source>no dates</source>
        <translation>keine Daten</translation>
    </message>
    <message>
        <source>Conflict copies left by a sync engine (repbook-cli merge merges them):
</source>
        <translation>Konfliktkopien eines Sync-Programms (repbook-cli merge führt sie zusammen):
</translation>
    </message>
    <message>
        <source> to </source>
        <translation> bis </translation>
    </message>
    <message>
        <source>%1: sound, %2, %3
</source>
        <translation>%1: intakt, %2, %3
</translation>
    </message>
</context>
<context>
    <name>Command</name>
    <message>
        <source>Work on the diary FILE instead of the one in the data folder.</source>
        <translation>Mit dem Tagebuch FILE arbeiten statt mit dem im Datenordner.</translation>
    </message>
    <message>
        <source>Only days on or after DATE (yyyy-MM-dd).</source>
        <translation>Nur Tage am oder nach DATE (yyyy-MM-dd).</translation>
    </message>
    <message>
        <source>Only days on or before DATE (yyyy-MM-dd).</source>
        <translation>Nur Tage am oder vor DATE (yyyy-MM-dd).</translation>
    </message>
    <message>
        <source>Weights in kg or lb (default: the unit chosen in the diary&apos;s Options).</source>
        <translation>Gewichte in kg oder lb (Standard: die in den Optionen des Tagebuchs gewählte Einheit).</translation>
    </message>
    <message>
        <source>%1 (see repbook-cli %2 --help)</source>
        <translation>%1 (siehe repbook-cli %2 --help)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no date of the form yyyy-MM-dd.</source>
        <translation>„%1“ ist kein Datum der Form yyyy-MM-dd.</translation>
    </message>
    <message>
        <source>--from %1 lies after --to %2.</source>
        <translation>--from %1 liegt nach --to %2.</translation>
    </message>
    <message>
        <source>unknown unit &quot;%1&quot;; use kg or lb.</source>
        <translation>unbekannte Einheit „%1“; verwenden Sie kg oder lb.</translation>
    </message>
    <message>
        <source>The diary %1 cannot be read.</source>
        <translation>Das Tagebuch %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The diary %1 is damaged: it fails its integrity check.</source>
        <translation>Das Tagebuch %1 ist beschädigt: Es besteht die Integritätsprüfung nicht.</translation>
    </message>
    <message>
        <source>Usage: repbook-cli </source>
        <translation>Aufruf: repbook-cli </translation>
    </message>
</context>
<context>
    <name>ConflictCopyIntake</name>
    <message>
        <source>Another computer changed days that were also changed here:
%1
The diary keeps the version shown here. The other computer&apos;s version was saved in:
%2
In the diary, Edit &gt; Conflicts shows it beside the diary&apos;s and lets you take it instead.</source>
        <translation>Ein anderer Computer hat Tage geändert, die auch hier geändert wurden:
%1
Das Tagebuch behält die hier gezeigte Fassung. Die Fassung des anderen Computers wurde gespeichert in:
%2
Im Tagebuch zeigt Bearbeiten &gt; Konflikte sie neben der des Tagebuchs und lässt Sie stattdessen sie übernehmen.</translation>
    </message>
    <message>
        <source>A copy of the diary that the sync program left beside it is damaged and was not merged. It was kept as:
%1</source>
        <translation>Eine Kopie des Tagebuchs, die das Synchronisierungsprogramm daneben abgelegt hat, ist beschädigt und wurde nicht zusammengeführt. Sie wurde aufbewahrt als:
%1</translation>
    </message>
    <message>
        <source>Copies of the diary left by the sync program could not all be merged:
%1</source>
        <translation>Kopien des Tagebuchs, die das Synchronisierungsprogramm abgelegt hat, konnten nicht alle zusammengeführt werden:
%1</translation>
    </message>
</context>
<context>
    <name>ConflictCopyMerge</name>
    <message>
        <source>%1 is damaged: it fails its integrity check.</source>
        <translation>%1 ist beschädigt: Die Integritätsprüfung schlägt fehl.</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>%1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The record of what this computer agreed on with the others could not be written:
%1</source>
        <translation>Die Aufzeichnung dessen, worauf sich dieser Computer mit den anderen geeinigt hat, konnte nicht geschrieben werden:
%1</translation>
    </message>
    <message>
        <source>The diary&apos;s folder cannot be written:
%1</source>
        <translation>In den Ordner des Tagebuchs kann nicht geschrieben werden:
%1</translation>
    </message>
    <message>
        <source>The record of what this computer last agreed on with the others cannot be read:
%1</source>
        <translation>Die Aufzeichnung dessen, worauf sich dieser Computer zuletzt mit den anderen geeinigt hat, kann nicht gelesen werden:
%1</translation>
    </message>
</context>
<context>
    <name>ConflictNotice</name>
    <message>
        <source>Days that were changed in two places (on another computer, or here in the notifier) have their other version on record:
%1
Edit &gt; Conflicts shows it beside the diary&apos;s and lets you take it instead.</source>
        <translation>Für Tage, die an zwei Stellen geändert wurden (auf einem anderen Computer oder hier in der Erinnerung), ist die andere Fassung vermerkt:
%1
Bearbeiten &gt; Konflikte zeigt sie neben der des Tagebuchs und lässt Sie stattdessen sie übernehmen.</translation>
    </message>
</context>
<context>
    <name>ConflictRecords</name>
    <message>
        <source>The other version of the day could not be removed from:
%1</source>
        <translation>Die andere Fassung des Tages konnte nicht entfernt werden aus:
%1</translation>
    </message>
</context>
<context>
    <name>ConflictsWindow</name>
    <message>
        <source>The diary window is busy. Finish what it is doing, then take the other version.</source>
        <translation>Das Tagebuchfenster ist beschäftigt. Beenden Sie, was es gerade tut, und übernehmen Sie dann die andere Fassung.</translation>
    </message>
    <message>
        <source>Take other version %1</source>
        <translation>Andere Fassung übernehmen %1</translation>
    </message>
</context>
<context>
    <name>CountText</name>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n Tag</numerusform>
            <numerusform>%n Tage</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n workout(s)</source>
        <translation>
            <numerusform>%n Training</numerusform>
            <numerusform>%n Trainings</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n exercise(s)</source>
        <translation>
            <numerusform>%n Übung</numerusform>
            <numerusform>%n Übungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n date(s)</source>
        <translation>
            <numerusform>%n Datum</numerusform>
            <numerusform>%n Daten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n selected day(s)</source>
        <translation>
            <numerusform>%n ausgewählten Tag</numerusform>
            <numerusform>%n ausgewählten Tage</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n new day(s)</source>
        <translation>
            <numerusform>%n neuer Tag</numerusform>
            <numerusform>%n neue Tage</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s)</source>
        <translation>
            <numerusform>%n Zeile</numerusform>
            <numerusform>%n Zeilen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n week(s)</source>
        <translation>
            <numerusform>%n Woche</numerusform>
            <numerusform>%n Wochen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CsvReader</name>
    <message>
        <source>Out of memory.</source>
        <translation>Nicht genügend Arbeitsspeicher.</translation>
    </message>
    <message>
        <source>Line %1 holds binary data: this is not a text file.</source>
        <translation>Zeile %1 enthält Binärdaten: Dies ist keine Textdatei.</translation>
    </message>
    <message>
        <source>Line %1 is not valid CSV: %2.</source>
        <translation>Zeile %1 ist kein gültiges CSV: %2.</translation>
    </message>
    <message>
        <source>Line %1 opens a quoted field that is never closed.</source>
        <translation>Zeile %1 öffnet ein Feld in Anführungszeichen, das nie geschlossen wird.</translation>
    </message>
</context>
<context>
    <name>DateListText</name>
    <message>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
</context>
<context>
    <name>DayEditing</name>
    <message>
        <source>Select workout first.</source>
        <translation>Wählen Sie zuerst ein Training.</translation>
    </message>
    <message>
        <source>Rename workout</source>
        <translation>Training umbenennen</translation>
    </message>
</context>
<context>
    <name>DayEditingPanel</name>
    <message>
        <source>Exercise...	Ins</source>
        <translation>Übung...	Einfg</translation>
    </message>
    <message>
        <source>Workout...</source>
        <translation>Training...</translation>
    </message>
    <message>
        <source>Up	Ctrl + Up</source>
        <translation>Nach oben	Strg + Auf</translation>
    </message>
    <message>
        <source>Down	Ctrl + Down</source>
        <translation>Nach unten	Strg + Ab</translation>
    </message>
    <message>
        <source>Left	Ctrl + Left</source>
        <translation>Nach links	Strg + Links</translation>
    </message>
    <message>
        <source>Right	Ctrl + Right</source>
        <translation>Nach rechts	Strg + Rechts</translation>
    </message>
    <message>
        <source>Rename workout...</source>
        <translation>Training umbenennen...</translation>
    </message>
    <message>
        <source>Selected exercise(s)	Del</source>
        <translation>Ausgewählte Übung(en)	Entf</translation>
    </message>
    <message>
        <source>All exercises</source>
        <translation>Alle Übungen</translation>
    </message>
    <message>
        <source>Workout</source>
        <translation>Training</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Alles auswählen</translation>
    </message>
    <message>
        <source>Mark workout as &apos;Done&apos;</source>
        <translation>Training als „Geschafft“ markieren</translation>
    </message>
    <message>
        <source>Mark workout as &apos;Failed&apos;</source>
        <translation>Training als „Nicht geschafft“ markieren</translation>
    </message>
    <message>
        <source>Mark workout as &apos;Not yet&apos;</source>
        <translation>Training als „Noch offen“ markieren</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Move exercise(s)</source>
        <translation>Übung(en) verschieben</translation>
    </message>
    <message>
        <source>Move workout</source>
        <translation>Training verschieben</translation>
    </message>
    <message>
        <source>Add exercise</source>
        <translation>Übung hinzufügen</translation>
    </message>
    <message>
        <source>Remove selected exercise(s)</source>
        <translation>Ausgewählte Übung(en) entfernen</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Nach links</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Nach rechts</translation>
    </message>
    <message>
        <source>Workout status</source>
        <translation>Trainingsstatus</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>DayOperations</name>
    <message>
        <source>Do you really want to remove selected day(s)?</source>
        <translation>Möchten Sie die ausgewählten Tage wirklich entfernen?</translation>
    </message>
    <message>
        <source>There are some trainings dated to this day.
If you want to swap days press &apos;Yes&apos;.
If you want to merge training days press &apos;No&apos;.
Press &apos;Cancel&apos; to do nothing.</source>
        <translation>An diesem Tag sind bereits Trainings eingetragen.
Um die Tage zu tauschen, drücken Sie „Ja“.
Um die Trainingstage zusammenzuführen, drücken Sie „Nein“.
Drücken Sie „Abbrechen“, um nichts zu tun.</translation>
    </message>
    <message>
        <source>You have selected an empty day.
If you want to move trainings here press &apos;Yes&apos;.
If you want to make a copy of this day press &apos;No&apos;.
Press &apos;Cancel&apos; to do nothing.</source>
        <translation>Sie haben einen leeren Tag gewählt.
Um die Trainings hierher zu verschieben, drücken Sie „Ja“.
Um eine Kopie dieses Tages anzulegen, drücken Sie „Nein“.
Drücken Sie „Abbrechen“, um nichts zu tun.</translation>
    </message>
    <message>
        <source>Error! Training could not be dated to this day.</source>
        <translation>Fehler! Das Training konnte nicht auf diesen Tag gelegt werden.</translation>
    </message>
    <message>
        <source>Choose the target day.</source>
        <translation>Wählen Sie den Zieltag.</translation>
    </message>
    <message>
        <source>Select the day first.</source>
        <translation>Wählen Sie zuerst den Tag.</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>Tauschen</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Zusammenführen</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
</context>
<context>
    <name>DayPreview</name>
    <message>
        <source>Day note</source>
        <translation>Tagesnotiz</translation>
    </message>
    <message>
        <source>No note</source>
        <translation>Keine Notiz</translation>
    </message>
    <message>
        <source>Workout area</source>
        <translation>Trainingsbereich</translation>
    </message>
    <message>
        <source>To add notes to selected day press &quot;Notes&quot; button.</source>
        <translation>Für Notizen zum ausgewählten Tag auf „Notizen“ klicken.</translation>
    </message>
</context>
<context>
    <name>DayPrintDocument</name>
    <message>
        <source>Exercise</source>
        <translation>Übung</translation>
    </message>
    <message>
        <source>Sets</source>
        <translation>Sätze</translation>
    </message>
    <message>
        <source>Reps</source>
        <translation>Wdh.</translation>
    </message>
    <message>
        <source>Forced</source>
        <translation>Erzwungen</translation>
    </message>
    <message>
        <source>Negative</source>
        <translation>Negativ</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Gewicht</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>No exercises.</source>
        <translation>Keine Übungen.</translation>
    </message>
    <message>
        <source>No workouts.</source>
        <translation>Keine Trainings.</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source> (continued)</source>
        <translation> (Fortsetzung)</translation>
    </message>
</context>
<context>
    <name>DesktopNotification</name>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
</context>
<context>
    <name>DiaryBackups</name>
    <message>
        <source>The diary file could not be read for a backup:
%1</source>
        <translation>Die Tagebuchdatei konnte für eine Sicherung nicht gelesen werden:
%1</translation>
    </message>
    <message>
        <source>A backup of the diary could not be written in:
%1</source>
        <translation>Eine Sicherung des Tagebuchs konnte nicht geschrieben werden in:
%1</translation>
    </message>
    <message>
        <source>the backup of %1 with 1 day</source>
        <translation>die Sicherung vom %1 mit 1 Tag</translation>
    </message>
    <message>
        <source>the backup of %1 with %2 days</source>
        <translation>die Sicherung vom %1 mit %2 Tagen</translation>
    </message>
    <message>
        <source>The backup cannot be read or is damaged:
%1</source>
        <translation>Die Sicherung kann nicht gelesen werden oder ist beschädigt:
%1</translation>
    </message>
    <message>
        <source>d MMMM yyyy, HH:mm</source>
        <translation>d. MMMM yyyy, HH:mm</translation>
    </message>
</context>
<context>
    <name>DiaryCsv</name>
    <message>
        <source>%1 is not a whole number</source>
        <translation>%1 ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>unreadable date &quot;%1&quot;</source>
        <translation>unlesbares Datum „%1“</translation>
    </message>
    <message>
        <source>positions of workout and exercise must count from 1</source>
        <translation>Positionen von Training und Übung müssen ab 1 zählen</translation>
    </message>
    <message>
        <source>unknown workout status &quot;%1&quot;</source>
        <translation>unbekannter Trainingsstatus „%1“</translation>
    </message>
    <message>
        <source>unknown exercise status &quot;%1&quot;</source>
        <translation>unbekannter Übungsstatus „%1“</translation>
    </message>
    <message>
        <source>unreadable weight &quot;%1&quot;</source>
        <translation>unlesbares Gewicht „%1“</translation>
    </message>
    <message>
        <source>Line %1: the header lacks the column &quot;%2&quot;.</source>
        <translation>Zeile %1: In der Kopfzeile fehlt die Spalte „%2“.</translation>
    </message>
</context>
<context>
    <name>DiaryExchange</name>
    <message>
        <source>Export only the %1?

Yes: the selected days.
No: the whole diary (%2).</source>
        <translation>Nur %1 exportieren?

Ja: die ausgewählten Tage.
Nein: das ganze Tagebuch (%2).</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;JSON files (*.json);;All files (*)</source>
        <translation>CSV-Dateien (*.csv);;JSON-Dateien (*.json);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Training log exports: Repbook, Strong, Hevy, FitNotes, LiftLog (*.csv *.json);;All files (*)</source>
        <translation>Exporte von Trainingstagebüchern: Repbook, Strong, Hevy, FitNotes, LiftLog (*.csv *.json);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>DiaryExport</name>
    <message>
        <source>It is a folder.</source>
        <translation>Es ist ein Ordner.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Der Ordner %1 existiert nicht.</translation>
    </message>
    <message>
        <source>The file is write-protected.</source>
        <translation>Die Datei ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>You may not create files in the folder %1.</source>
        <translation>Sie dürfen im Ordner %1 keine Dateien anlegen.</translation>
    </message>
    <message>
        <source>It is no ordinary file.</source>
        <translation>Es ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>The folder %1 takes no new files.</source>
        <translation>Der Ordner %1 nimmt keine neuen Dateien auf.</translation>
    </message>
    <message>
        <source>The export could not be written to:
%1
%2</source>
        <translation>Der Export konnte nicht geschrieben werden nach:
%1
%2</translation>
    </message>
</context>
<context>
    <name>DiaryFolderFlow</name>
    <message>
        <source>%1 already holds a diary, from another computer perhaps.

Yes: use that diary. The diary of this computer stays where it is, unused.
No: merge the diary of this computer into it, day by day. Where both hold a day with other entries, that diary&apos;s day is kept and this computer&apos;s is saved beside it.
Cancel: keep the diary where it is.</source>
        <translation>%1 enthält bereits ein Tagebuch, vielleicht von einem anderen Computer.

Ja: dieses Tagebuch verwenden. Das Tagebuch dieses Computers bleibt unbenutzt, wo es ist.
Nein: das Tagebuch dieses Computers Tag für Tag hineinführen. Wo beide einen Tag mit anderen Einträgen haben, bleibt der Tag jenes Tagebuchs, und der dieses Computers wird daneben gespeichert.
Abbrechen: das Tagebuch bleibt, wo es ist.</translation>
    </message>
    <message>
        <source>Diary folder</source>
        <translation>Tagebuchordner</translation>
    </message>
    <message>
        <source>
The diary stays where it is.</source>
        <translation>
Das Tagebuch bleibt, wo es ist.</translation>
    </message>
    <message>
        <source>The diary is now in:
%1

The files in %2 were left as they were; remove them once you no longer need them.</source>
        <translation>Das Tagebuch liegt jetzt in:
%1

Die Dateien in %2 blieben, wie sie waren; entfernen Sie sie, sobald Sie sie nicht mehr brauchen.</translation>
    </message>
    <message>
        <source>

The ignore file .stignore could not be written there: keep *.lock files and the Backups folder out of the sync by hand.</source>
        <translation>

Die Ignorier-Datei .stignore konnte dort nicht geschrieben werden: Halten Sie *.lock-Dateien und den Ordner Backups von Hand aus der Synchronisation heraus.</translation>
    </message>
    <message>
        <source>

Days that both diaries hold with other entries kept the folder&apos;s version; this computer&apos;s were saved in:
%1
Edit &gt; Conflicts shows them beside the folder&apos;s and lets you take them instead.</source>
        <translation>

Tage, die beide Tagebücher mit anderen Einträgen haben, behielten die Fassung des Ordners; die dieses Computers wurden gespeichert in:
%1
Bearbeiten &gt; Konflikte zeigt sie neben denen des Ordners und lässt Sie sie stattdessen übernehmen.</translation>
    </message>
</context>
<context>
    <name>DiaryFolderSwitch</name>
    <message>
        <source>%1 could not be copied to:
%2</source>
        <translation>%1 konnte nicht kopiert werden nach:
%2</translation>
    </message>
    <message>
        <source>The diary %1 cannot be read or is damaged.</source>
        <translation>Das Tagebuch %1 kann nicht gelesen werden oder ist beschädigt.</translation>
    </message>
</context>
<context>
    <name>DiaryHistory</name>
    <message>
        <source>&quot;%1 %2&quot; is not possible: another program (the notifier or the command-line tool) has changed %3 since. Doing it would throw that change away.</source>
        <translation>„%1 %2“ ist nicht möglich: Ein anderes Programm (die Erinnerung oder das Kommandozeilenwerkzeug) hat %3 seitdem geändert. Es auszuführen würde diese Änderung verwerfen.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
</context>
<context>
    <name>DiaryImport</name>
    <message>
        <source>%1: %2 with %3 to add (%4)%5; %6 already in the diary; %7 skipped.</source>
        <translation>%1: %2 mit %3 hinzuzufügen (%4)%5; %6 schon im Tagebuch; %7 übersprungen.</translation>
    </message>
    <message>
        <source>Added %1 with %2 (%3)%4.</source>
        <translation>%1 mit %2 hinzugefügt (%3)%4.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>(no date)</source>
        <translation>(ohne Datum)</translation>
    </message>
    <message>
        <source>%1  new day, %2, %3; %4 already there</source>
        <translation>%1  neuer Tag, %2, %3; %4 schon vorhanden</translation>
    </message>
    <message>
        <source>%1  adds %2, %3; %4 already there</source>
        <translation>%1  fügt %2, %3 hinzu; %4 schon vorhanden</translation>
    </message>
    <message>
        <source>line %1 skipped: %2</source>
        <translation>Zeile %1 übersprungen: %2</translation>
    </message>
</context>
<context>
    <name>DiaryJson</name>
    <message>
        <source>a day must be an object</source>
        <translation>ein Tag muss ein Objekt sein</translation>
    </message>
    <message>
        <source>Day %1 of the file: %2.</source>
        <translation>Tag %1 der Datei: %2.</translation>
    </message>
    <message>
        <source>unreadable date</source>
        <translation>unlesbares Datum</translation>
    </message>
    <message>
        <source>unknown status &quot;%1&quot;</source>
        <translation>unbekannter Status „%1“</translation>
    </message>
    <message>
        <source>Line %1 is not valid JSON: %2.</source>
        <translation>Zeile %1 ist kein gültiges JSON: %2.</translation>
    </message>
    <message>
        <source>Line 1: this JSON file is no Repbook diary export.</source>
        <translation>Zeile 1: Diese JSON-Datei ist kein Export eines Repbook-Tagebuchs.</translation>
    </message>
    <message>
        <source>Line 1: the file was written by a newer Repbook (version %1).</source>
        <translation>Zeile 1: Die Datei wurde von einem neueren Repbook geschrieben (Version %1).</translation>
    </message>
    <message>
        <source>Line 1: unknown weight unit &quot;%1&quot;.</source>
        <translation>Zeile 1: unbekannte Gewichtseinheit „%1“.</translation>
    </message>
</context>
<context>
    <name>DiarySaving</name>
    <message>
        <source>The diary file had been damaged outside the program. It was kept as:
%1
The diary was saved again from the days shown here.</source>
        <translation>Die Tagebuchdatei wurde außerhalb des Programms beschädigt. Sie wurde aufbewahrt als:
%1
Das Tagebuch wurde aus den hier gezeigten Tagen neu gespeichert.</translation>
    </message>
    <message>
        <source>
Your changes are kept while the program runs, and saving is tried again every minute.</source>
        <translation>
Ihre Änderungen bleiben erhalten, solange das Programm läuft, und das Speichern wird jede Minute erneut versucht.</translation>
    </message>
    <message>
        <source>
The diary itself is saved as usual; the backup is tried again at the next save.</source>
        <translation>
Das Tagebuch selbst wird wie gewohnt gespeichert; die Sicherung wird beim nächsten Speichern erneut versucht.</translation>
    </message>
    <message>
        <source>Not saved: the days of %1.</source>
        <translation>Nicht gespeichert: die Tage von %1.</translation>
    </message>
    <message>
        <source>%1
%2

Retry, exit without saving (Discard), or go back to the diary (Cancel)?</source>
        <translation>%1
%2

Erneut versuchen, ohne Speichern beenden (Verwerfen) oder zurück zum Tagebuch (Abbrechen)?</translation>
    </message>
    <message>
        <source>Another program changed days that were also changed here:
%1
The diary keeps the version shown here. The other version was saved in:
%2
Edit &gt; Conflicts shows it beside the diary&apos;s and lets you take it instead.</source>
        <translation>Ein anderes Programm hat Tage geändert, die auch hier geändert wurden:
%1
Das Tagebuch behält die hier gezeigte Fassung. Die andere Fassung wurde gespeichert in:
%2
Bearbeiten &gt; Konflikte zeigt sie neben der des Tagebuchs und lässt Sie sie stattdessen übernehmen.</translation>
    </message>
</context>
<context>
    <name>EditorControls</name>
    <message>
        <source>New...	Ctrl + N</source>
        <translation>Neu...	Strg + N</translation>
    </message>
    <message>
        <source>Open...	Ctrl + O</source>
        <translation>Öffnen...	Strg + O</translation>
    </message>
    <message>
        <source>Close	Ctrl + W</source>
        <translation>Schließen	Strg + W</translation>
    </message>
    <message>
        <source>Save	Ctrl + S</source>
        <translation>Speichern	Strg + S</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>Speichern unter...</translation>
    </message>
    <message>
        <source>Exit	Ctrl + X</source>
        <translation>Beenden	Strg + X</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Auf</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Ab</translation>
    </message>
    <message>
        <source>Selected exercise(s)	Del</source>
        <translation>Ausgewählte Übung(en)	Entf</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>Move day</source>
        <translation>Tag verschieben</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Workout...</source>
        <translation>Training...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Remove selected exercise(s) or day(s)</source>
        <translation>Ausgewählte Übung(en) oder Tag(e) entfernen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
</context>
<context>
    <name>ExchangeFields</name>
    <message>
        <source>%1 outside %2..%3</source>
        <translation>%1 außerhalb von %2..%3</translation>
    </message>
    <message>
        <source>sets</source>
        <translation>Sätze</translation>
    </message>
    <message>
        <source>reps</source>
        <translation>Wiederholungen</translation>
    </message>
    <message>
        <source>forced reps</source>
        <translation>erzwungene Wiederholungen</translation>
    </message>
    <message>
        <source>negative reps</source>
        <translation>negative Wiederholungen</translation>
    </message>
    <message>
        <source>weight outside 0..%1 kg</source>
        <translation>Gewicht außerhalb von 0..%1 kg</translation>
    </message>
</context>
<context>
    <name>ExerciseColumns</name>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Exercise</source>
        <translation>Übung</translation>
    </message>
    <message>
        <source>Sets</source>
        <translation>Sätze</translation>
    </message>
    <message>
        <source>Reps</source>
        <translation>Wdh.</translation>
    </message>
    <message>
        <source>Forced</source>
        <translation>Erzwungen</translation>
    </message>
    <message>
        <source>Negative</source>
        <translation>Negativ</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Gewicht</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
</context>
<context>
    <name>ExerciseHistory</name>
    <message>
        <source>Heaviest weight</source>
        <translation>Schwerstes Gewicht</translation>
    </message>
    <message>
        <source>Estimated 1RM</source>
        <translation>Geschätztes 1RM</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Most repetitions</source>
        <translation>Meiste Wiederholungen</translation>
    </message>
    <message>
        <source>Sets</source>
        <translation>Sätze</translation>
    </message>
</context>
<context>
    <name>ExportCommand</name>
    <message>
        <source>csv (default) or json.</source>
        <translation>csv (Standard) oder json.</translation>
    </message>
    <message>
        <source>Write to FILE instead of standard output.</source>
        <translation>In FILE schreiben statt in die Standardausgabe.</translation>
    </message>
    <message>
        <source>Writes the diary, or the days of a date range, as CSV or JSON.</source>
        <translation>Schreibt das Tagebuch oder die Tage eines Zeitraums als CSV oder JSON.</translation>
    </message>
    <message>
        <source>export takes no file argument; use --output.</source>
        <translation>export nimmt kein Dateiargument; verwenden Sie --output.</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot;.</source>
        <translation>unbekanntes Format „%1“.</translation>
    </message>
    <message>
        <source>The export could not be written to standard output.</source>
        <translation>Der Export konnte nicht in die Standardausgabe geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>Training program files (*.rpp);;All files (*)</source>
        <translation>Trainingsprogramm-Dateien (*.rpp);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>PNG images (*.png);;All files (*)</source>
        <translation>PNG-Bilder (*.png);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
</context>
<context>
    <name>FindCommand</name>
    <message>
        <source>Prints the workouts, exercises and notes that contain TEXT, newest first. Case and accents do not matter.</source>
        <translation>Gibt die Trainings, Übungen und Notizen aus, die TEXT enthalten, neueste zuerst. Groß-/Kleinschreibung und Akzente spielen keine Rolle.</translation>
    </message>
    <message>
        <source>The text to find.</source>
        <translation>Der zu suchende Text.</translation>
    </message>
    <message>
        <source>find takes exactly one text (quote a text with spaces).</source>
        <translation>find nimmt genau einen Text (Text mit Leerzeichen in Anführungszeichen).</translation>
    </message>
    <message>
        <source>find needs a text to look for.</source>
        <translation>find braucht einen Suchtext.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not found.</source>
        <translation>„%1“ wurde nicht gefunden.</translation>
    </message>
</context>
<context>
    <name>FindResultsModel</name>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Wo</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
</context>
<context>
    <name>ImportCommand</name>
    <message>
        <source>&quot;%1&quot; is no exercise of the diary; the closest is &quot;%2&quot; (--map &quot;%1=%2&quot; joins them).
</source>
        <translation>„%1“ ist keine Übung des Tagebuchs; am nächsten kommt „%2“ (--map &quot;%1=%2&quot; verbindet sie).
</translation>
    </message>
    <message>
        <source>auto (default), csv, json, strong, hevy, fitnotes or liftlog.</source>
        <translation>auto (Standard), csv, json, strong, hevy, fitnotes oder liftlog.</translation>
    </message>
    <message>
        <source>Joins an exercise name of the file to one of the diary, as &quot;NAME IN THE FILE=DIARY NAME&quot; (repeatable; overrides a remembered choice for this run).</source>
        <translation>Verbindet einen Übungsnamen der Datei mit einem des Tagebuchs, als &quot;NAME IN THE FILE=DIARY NAME&quot; (wiederholbar; ersetzt für diesen Lauf eine gemerkte Wahl).</translation>
    </message>
    <message>
        <source>Only print what would be added.</source>
        <translation>Nur ausgeben, was hinzugefügt würde.</translation>
    </message>
    <message>
        <source>Also print a line for every date.</source>
        <translation>Auch eine Zeile für jedes Datum ausgeben.</translation>
    </message>
    <message>
        <source>Adds the workouts of a Repbook CSV or JSON export, or of a CSV export of Strong, Hevy, FitNotes or LiftLog, to the diary. Workouts already in the diary are left out. Safe while Repbook or Repminder runs.</source>
        <translation>Fügt dem Tagebuch die Trainings eines CSV- oder JSON-Exports von Repbook oder eines CSV-Exports von Strong, Hevy, FitNotes oder LiftLog hinzu. Trainings, die schon im Tagebuch stehen, werden ausgelassen. Sicher, während Repbook oder Repminder läuft.</translation>
    </message>
    <message>
        <source>The file to import.</source>
        <translation>Die zu importierende Datei.</translation>
    </message>
    <message>
        <source>import takes exactly one file.</source>
        <translation>import nimmt genau eine Datei.</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot;.</source>
        <translation>unbekanntes Format „%1“.</translation>
    </message>
    <message>
        <source>--map &quot;%1&quot; is not &quot;NAME IN THE FILE=DIARY NAME&quot;.</source>
        <translation>--map &quot;%1&quot; hat nicht die Form &quot;NAME IN THE FILE=DIARY NAME&quot;.</translation>
    </message>
    <message>
        <source>The diary %1 cannot be read.</source>
        <translation>Das Tagebuch %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Nothing to add.
</source>
        <translation>Nichts hinzuzufügen.
</translation>
    </message>
    <message>
        <source>Days changed meanwhile by another program were kept in %1.</source>
        <translation>Tage, die zwischenzeitlich ein anderes Programm geändert hat, wurden in %1 aufbewahrt.</translation>
    </message>
</context>
<context>
    <name>ImportNameMap</name>
    <message>
        <source>The choices of exercise names could not be saved in %1.</source>
        <translation>Die Zuordnung der Übungsnamen konnte nicht in %1 gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>ImportSource</name>
    <message>
        <source>Line 1: the file has no header.</source>
        <translation>Zeile 1: Die Datei hat keine Kopfzeile.</translation>
    </message>
    <message>
        <source>Line 1: the file is empty.</source>
        <translation>Zeile 1: Die Datei ist leer.</translation>
    </message>
    <message>
        <source>Line 1: the file is no export that Repbook can read (a Repbook CSV or JSON file, or a CSV export of Strong, Hevy, FitNotes or LiftLog).</source>
        <translation>Zeile 1: Die Datei ist kein Export, den Repbook lesen kann (eine CSV- oder JSON-Datei von Repbook oder ein CSV-Export von Strong, Hevy, FitNotes oder LiftLog).</translation>
    </message>
    <message>
        <source>%1 is too large to import (%2 MB; at most %3 MB).</source>
        <translation>%1 ist zu groß für den Import (%2 MB; höchstens %3 MB).</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>%1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>%1 cannot be imported.
%2</source>
        <translation>%1 kann nicht importiert werden.
%2</translation>
    </message>
</context>
<context>
    <name>LaunchDiary</name>
    <message>
        <source>The diary program could not be started:
%1</source>
        <translation>Das Tagebuchprogramm konnte nicht gestartet werden:
%1</translation>
    </message>
</context>
<context>
    <name>LiftLogExport</name>
    <message>
        <source>Line %1: the header is not that of a %2 file.</source>
        <translation>Zeile %1: Die Kopfzeile ist nicht die einer %2-Datei.</translation>
    </message>
    <message>
        <source>unreadable timestamp &quot;%1&quot;</source>
        <translation>unlesbarer Zeitstempel „%1“</translation>
    </message>
    <message>
        <source>unreadable number</source>
        <translation>unlesbare Zahl</translation>
    </message>
    <message>
        <source>unknown unit &quot;%1&quot;</source>
        <translation>unbekannte Einheit „%1“</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importieren...</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exportieren...</translation>
    </message>
    <message>
        <source>P&amp;rint preview</source>
        <translation>&amp;Druckvorschau</translation>
    </message>
    <message>
        <source>&amp;Print	Ctrl + P</source>
        <translation>D&amp;rucken	Strg + P</translation>
    </message>
    <message>
        <source>Restore from &amp;backup...</source>
        <translation>Aus &amp;Sicherung wiederherstellen...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl + Z</source>
        <translation>&amp;Rückgängig	Strg + Z</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl + Y</source>
        <translation>&amp;Wiederholen	Strg + Y</translation>
    </message>
    <message>
        <source>View...	Return</source>
        <translation>Ansehen...	Eingabe</translation>
    </message>
    <message>
        <source>Notes...	Ctrl + N</source>
        <translation>Notizen...	Strg + N</translation>
    </message>
    <message>
        <source>&amp;Add workout...	Ins</source>
        <translation>Training &amp;hinzufügen...	Einfg</translation>
    </message>
    <message>
        <source>&amp;Move selected</source>
        <translation>Ausgewählte &amp;verschieben</translation>
    </message>
    <message>
        <source>&amp;Remove selected	Del</source>
        <translation>Ausgewählte &amp;entfernen	Entf</translation>
    </message>
    <message>
        <source>&amp;Find...	Ctrl + F</source>
        <translation>&amp;Suchen...	Strg + F</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Go to</source>
        <translation>Gehe zu</translation>
    </message>
    <message>
        <source>Today	Ctrl + Return</source>
        <translation>Heute	Strg + Eingabe</translation>
    </message>
    <message>
        <source>First day	Ctrl + Home</source>
        <translation>Erster Tag	Strg + Pos1</translation>
    </message>
    <message>
        <source>Previous day	Ctrl + Left</source>
        <translation>Voriger Tag	Strg + Links</translation>
    </message>
    <message>
        <source>Next day	Ctrl + Right</source>
        <translation>Nächster Tag	Strg + Rechts</translation>
    </message>
    <message>
        <source>Last day	Ctrl + End</source>
        <translation>Letzter Tag	Strg + Ende</translation>
    </message>
    <message>
        <source>&amp;Refresh	F5</source>
        <translation>A&amp;ktualisieren	F5</translation>
    </message>
    <message>
        <source>Set range...</source>
        <translation>Zeitraum festlegen...</translation>
    </message>
    <message>
        <source>&amp;Selection to range	Ctrl + R</source>
        <translation>Aus&amp;wahl als Zeitraum	Strg + R</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>&amp;Editor...	Ctrl + E</source>
        <translation>&amp;Editor...	Strg + E</translation>
    </message>
    <message>
        <source>Apply program...	Ctrl + Space</source>
        <translation>Programm anwenden...	Strg + Leertaste</translation>
    </message>
    <message>
        <source>&amp;Progress...	Ctrl + G</source>
        <translation>&amp;Fortschritt...	Strg + G</translation>
    </message>
    <message>
        <source>User...</source>
        <translation>Benutzer...</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Optionen...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Repbook...</source>
        <translation>Über &amp;Repbook...</translation>
    </message>
    <message>
        <source>&amp;Conflicts...</source>
        <translation>&amp;Konflikte...</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansehen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Erster</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Voriger</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Nächster</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Letzter</translation>
    </message>
    <message>
        <source>Editor</source>
        <translation>Editor</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
</context>
<context>
    <name>MergeCommand</name>
    <message>
        <source>Only print what would be merged.</source>
        <translation>Nur ausgeben, was zusammengeführt würde.</translation>
    </message>
    <message>
        <source>%1: already merged, %2</source>
        <translation>%1: bereits zusammengeführt, %2</translation>
    </message>
    <message>
        <source>%1: damaged (fails its integrity check), not merged</source>
        <translation>%1: beschädigt (besteht die Integritätsprüfung nicht), nicht zusammengeführt</translation>
    </message>
    <message>
        <source>%1: cannot be read, not merged</source>
        <translation>%1: nicht lesbar, nicht zusammengeführt</translation>
    </message>
    <message>
        <source>; changed on both sides, the diary&apos;s days kept: %1</source>
        <translation>; auf beiden Seiten geändert, die Tage des Tagebuchs behalten: %1</translation>
    </message>
    <message>
        <source>Merges the conflict copies that a sync engine (Syncthing, Nextcloud, Dropbox) left beside the diary and its name lists, by date, then removes them. A date changed on both sides keeps the diary&apos;s days; the copy&apos;s are kept in a conflict file beside the diary. Exit code 0: merged or nothing to merge, 1: a copy could not be merged (nothing is written then). Safe while Repbook or Repminder runs.</source>
        <translation>Führt die Konfliktkopien zusammen, die ein Sync-Programm (Syncthing, Nextcloud, Dropbox) neben dem Tagebuch und seinen Namenslisten hinterlassen hat, nach Datum, und entfernt sie dann. Ein auf beiden Seiten geändertes Datum behält die Tage des Tagebuchs; die der Kopie werden in einer Konfliktdatei neben dem Tagebuch aufbewahrt. Exit-Code 0: zusammengeführt oder nichts zusammenzuführen, 1: eine Kopie konnte nicht zusammengeführt werden (dann wird nichts geschrieben). Sicher, während Repbook oder Repminder läuft.</translation>
    </message>
    <message>
        <source>merge takes no file; use --diary.</source>
        <translation>merge nimmt keine Datei; verwenden Sie --diary.</translation>
    </message>
    <message>
        <source>Nothing to merge.
</source>
        <translation>Nichts zusammenzuführen.
</translation>
    </message>
    <message>
        <source>%1: names merged</source>
        <translation>%1: Namen zusammengeführt</translation>
    </message>
    <message>
        <source>%1 names would be added to the name lists</source>
        <translation>%1 Namen würden den Namenslisten hinzugefügt</translation>
    </message>
    <message>
        <source>%1 names added to the name lists</source>
        <translation>%1 Namen den Namenslisten hinzugefügt</translation>
    </message>
    <message>
        <source>The copies&apos; days of dates changed on both sides are kept in %1</source>
        <translation>Die Tage der Kopien zu auf beiden Seiten geänderten Daten werden in %1 aufbewahrt</translation>
    </message>
    <message>
        <source>
Nothing was merged.</source>
        <translation>
Es wurde nichts zusammengeführt.</translation>
    </message>
    <message>
        <source>%1: would take %2 dates</source>
        <translation>%1: würde %2 Daten übernehmen</translation>
    </message>
    <message>
        <source>%1: took %2 dates</source>
        <translation>%1: %2 Daten übernommen</translation>
    </message>
</context>
<context>
    <name>PeerExports</name>
    <message>
        <source>unreadable date &quot;%1&quot;</source>
        <translation>unlesbares Datum „%1“</translation>
    </message>
    <message>
        <source>unreadable number</source>
        <translation>unlesbare Zahl</translation>
    </message>
    <message>
        <source>Line %1: the header is not that of a %2 file.</source>
        <translation>Zeile %1: Die Kopfzeile ist nicht die einer %2-Datei.</translation>
    </message>
</context>
<context>
    <name>PeriodPoints</name>
    <message>
        <source>One point per week: the sum of each week.</source>
        <translation>Ein Punkt pro Woche: die Summe jeder Woche.</translation>
    </message>
    <message>
        <source>One point per week: the best of each week.</source>
        <translation>Ein Punkt pro Woche: der Bestwert jeder Woche.</translation>
    </message>
    <message>
        <source>One point per month: the sum of each month.</source>
        <translation>Ein Punkt pro Monat: die Summe jedes Monats.</translation>
    </message>
    <message>
        <source>One point per month: the best of each month.</source>
        <translation>Ein Punkt pro Monat: der Bestwert jedes Monats.</translation>
    </message>
</context>
<context>
    <name>PrintedDay</name>
    <message>
        <source>Undated day</source>
        <translation>Tag ohne Datum</translation>
    </message>
    <message>
        <source>dddd, d MMMM yyyy</source>
        <translation>dddd, d. MMMM yyyy</translation>
    </message>
</context>
<context>
    <name>ProgramApplication</name>
    <message>
        <source>Apply program</source>
        <translation>Programm anwenden</translation>
    </message>
</context>
<context>
    <name>ProgramDayList</name>
    <message>
        <source>Program days</source>
        <translation>Programmtage</translation>
    </message>
    <message>
        <source>Day %1</source>
        <translation>Tag %1</translation>
    </message>
</context>
<context>
    <name>ProgramFile</name>
    <message>
        <source>Save changes?</source>
        <translation>Änderungen speichern?</translation>
    </message>
    <message>
        <source>Error! File is corrupted.</source>
        <translation>Fehler! Die Datei ist beschädigt.</translation>
    </message>
    <message>
        <source>Error! The program could not be saved to
%1</source>
        <translation>Fehler! Das Programm konnte nicht gespeichert werden unter
%1</translation>
    </message>
</context>
<context>
    <name>ProgressStatus</name>
    <message>
        <source>Not yet</source>
        <translation>Noch offen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Geschafft</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Nicht geschafft</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>none yet</source>
        <translation>noch keine</translation>
    </message>
</context>
<context>
    <name>RangeControls</name>
    <message>
        <source>Range</source>
        <translation>Zeitraum</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>dates in the range</source>
        <translation>Tage im Zeitraum</translation>
    </message>
    <message>
        <source>Range of the calendar: %1 to %2</source>
        <translation>Zeitraum des Kalenders: %1 bis %2</translation>
    </message>
</context>
<context>
    <name>RecordsCommand</name>
    <message>
        <source>Count Failed exercises as well as Done.</source>
        <translation>Nicht geschaffte Übungen wie geschaffte mitzählen.</translation>
    </message>
    <message>
        <source>%1 x %2</source>
        <translation>%1 x %2</translation>
    </message>
    <message>
        <source>Estimated 1RM</source>
        <translation>Geschätztes 1RM</translation>
    </message>
    <message>
        <source>Highest day volume</source>
        <translation>Höchstes Tagesvolumen</translation>
    </message>
    <message>
        <source>Most reps, weight 0</source>
        <translation>Meiste Wdh., Gewicht 0</translation>
    </message>
    <message>
        <source>Prints the personal records of an exercise, or of every performed exercise, most recently trained first.</source>
        <translation>Gibt die persönlichen Rekorde einer Übung oder jeder ausgeführten Übung aus, zuletzt trainierte zuerst.</translation>
    </message>
    <message>
        <source>The exercise (case and surrounding spaces do not matter); all exercises when left out.</source>
        <translation>Die Übung (Groß-/Kleinschreibung und umgebende Leerzeichen spielen keine Rolle); ohne Angabe alle Übungen.</translation>
    </message>
    <message>
        <source>records takes one exercise at most (quote a name with spaces).</source>
        <translation>records nimmt höchstens eine Übung (Namen mit Leerzeichen in Anführungszeichen).</translation>
    </message>
    <message>
        <source>No exercise is marked Done in the diary yet.</source>
        <translation>Im Tagebuch ist noch keine Übung als geschafft markiert.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was never done.</source>
        <translation>„%1“ wurde nie geschafft.</translation>
    </message>
    <message>
        <source>Heaviest, %1 rep</source>
        <translation>Schwerstes, %1 Wdh.</translation>
    </message>
    <message>
        <source>Heaviest, %1 reps</source>
        <translation>Schwerstes, %1 Wdh.</translation>
    </message>
</context>
<context>
    <name>RecordsTable</name>
    <message>
        <source>Record</source>
        <translation>Rekord</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Bestwert</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Heaviest, 1 rep</source>
        <translation>Schwerstes, 1 Wdh.</translation>
    </message>
    <message>
        <source>Heaviest, %1 reps</source>
        <translation>Schwerstes, %1 Wdh.</translation>
    </message>
    <message>
        <source>Estimated 1RM</source>
        <translation>Geschätztes 1RM</translation>
    </message>
    <message>
        <source>Highest day volume</source>
        <translation>Höchstes Tagesvolumen</translation>
    </message>
    <message>
        <source>Most reps, weight 0</source>
        <translation>Meiste Wdh., Gewicht 0</translation>
    </message>
</context>
<context>
    <name>ReminderScheduler</name>
    <message>
        <source>You have a workout today</source>
        <translation>Heute steht ein Training an</translation>
    </message>
    <message>
        <source>Get workout plan by clicking on this message.</source>
        <translation>Klicken Sie auf diese Nachricht, um den Trainingsplan zu sehen.</translation>
    </message>
    <message>
        <source>Fill in workout</source>
        <translation>Training eintragen</translation>
    </message>
    <message>
        <source>Click on this message to fill in your workout results.</source>
        <translation>Klicken Sie auf diese Nachricht, um Ihre Trainingsergebnisse einzutragen.</translation>
    </message>
</context>
<context>
    <name>RestoreFlow</name>
    <message>
        <source>Replace the diary by the backup %1?
The diary as it is now is kept as a backup first, and Undo brings it back.</source>
        <translation>Das Tagebuch durch die Sicherung %1 ersetzen?
Das Tagebuch, wie es jetzt ist, wird zuerst als Sicherung aufbewahrt, und Rückgängig holt es zurück.</translation>
    </message>
    <message>
        <source>
Nothing was restored: the diary as it is now could not be kept first.</source>
        <translation>
Nichts wurde wiederhergestellt: Das Tagebuch, wie es jetzt ist, konnte nicht zuerst aufbewahrt werden.</translation>
    </message>
    <message>
        <source>Restore backup</source>
        <translation>Sicherung wiederherstellen</translation>
    </message>
    <message>
        <source>
The restored days are shown, and saving is tried again every minute.</source>
        <translation>
Die wiederhergestellten Tage werden gezeigt, und das Speichern wird jede Minute erneut versucht.</translation>
    </message>
    <message>
        <source>The diary was restored from:
%1</source>
        <translation>Das Tagebuch wurde wiederhergestellt aus:
%1</translation>
    </message>
    <message>
        <source>
The diary as it was is kept as:
%1</source>
        <translation>
Das Tagebuch, wie es war, wird aufbewahrt als:
%1</translation>
    </message>
    <message>
        <source>
Days another program had changed meanwhile are kept in:
%1</source>
        <translation>
Tage, die ein anderes Programm zwischenzeitlich geändert hat, werden aufbewahrt in:
%1</translation>
    </message>
</context>
<context>
    <name>SetCollector</name>
    <message>
        <source>unreadable date</source>
        <translation>unlesbares Datum</translation>
    </message>
    <message>
        <source>no exercise name</source>
        <translation>kein Übungsname</translation>
    </message>
    <message>
        <source>time or distance only</source>
        <translation>nur Zeit oder Strecke</translation>
    </message>
    <message>
        <source>no weight and no reps</source>
        <translation>weder Gewicht noch Wiederholungen</translation>
    </message>
    <message>
        <source>weight %1 kg outside 0..%2 kg</source>
        <translation>Gewicht %1 kg außerhalb von 0..%2 kg</translation>
    </message>
</context>
<context>
    <name>SharedDiaryFile</name>
    <message>
        <source>The diary file cannot be read:
%1</source>
        <translation>Die Tagebuchdatei kann nicht gelesen werden:
%1</translation>
    </message>
    <message>
        <source>Days changed on both sides could not be kept in:
%1</source>
        <translation>Auf beiden Seiten geänderte Tage konnten nicht aufbewahrt werden in:
%1</translation>
    </message>
    <message>
        <source>The diary is not bound to a file.</source>
        <translation>Das Tagebuch ist an keine Datei gebunden.</translation>
    </message>
    <message>
        <source>The diary file is being saved by another program:
%1</source>
        <translation>Die Tagebuchdatei wird gerade von einem anderen Programm gespeichert:
%1</translation>
    </message>
    <message>
        <source>The diary could not be saved to:
%1</source>
        <translation>Das Tagebuch konnte nicht gespeichert werden in:
%1</translation>
    </message>
    <message>
        <source>The damaged diary file could not be set aside:
%1</source>
        <translation>Die beschädigte Tagebuchdatei konnte nicht beiseitegelegt werden:
%1</translation>
    </message>
</context>
<context>
    <name>StatusCheck</name>
    <message>
        <source>Some exercises in &apos;%1&apos; workout are marked as &apos;%2&apos;, but workout itself is marked as &apos;%3&apos;.
Do you want to mark workout as &apos;%4&apos;?</source>
        <translation>Einige Übungen im Training „%1“ sind als „%2“ markiert, das Training selbst aber als „%3“.
Möchten Sie das Training als „%4“ markieren?</translation>
    </message>
    <message>
        <source>All exercises in &apos;%1&apos; workout are marked as &apos;%2&apos;, but workout itself is marked as &apos;%3&apos;.
Do you want to mark workout as &apos;%4&apos;?</source>
        <translation>Alle Übungen im Training „%1“ sind als „%2“ markiert, das Training selbst aber als „%3“.
Möchten Sie das Training als „%4“ markieren?</translation>
    </message>
</context>
<context>
    <name>WeightUnit</name>
    <message>
        <source>lb</source>
        <translation>lb</translation>
    </message>
    <message>
        <source>kg</source>
        <translation>kg</translation>
    </message>
</context>
<context>
    <name>WindowDialogs</name>
    <message>
        <source>To add notes select day first.</source>
        <translation>Um Notizen hinzuzufügen, wählen Sie zuerst einen Tag aus.</translation>
    </message>
    <message>
        <source>Do you want to apply the last edited program to selected range?</source>
        <translation>Möchten Sie das zuletzt bearbeitete Programm auf den ausgewählten Zeitraum anwenden?</translation>
    </message>
</context>
<context>
    <name>WindowHistory</name>
    <message>
        <source>Mark </source>
        <translation>Markieren </translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Usage: repbook-cli [--diary FILE] COMMAND [options]

Works on the Repbook diary from scripts.

Commands:
</source>
        <translation>Aufruf: repbook-cli [--diary FILE] COMMAND [options]

Arbeitet aus Skripten mit dem Repbook-Tagebuch.

Befehle:
</translation>
    </message>
    <message>
        <source>
repbook-cli COMMAND --help describes a command&apos;s options. Exit codes: 0 done, 1 failed, 2 bad usage.
</source>
        <translation>
repbook-cli COMMAND --help beschreibt die Optionen eines Befehls. Exit-Codes: 0 erledigt, 1 fehlgeschlagen, 2 falscher Aufruf.
</translation>
    </message>
    <message>
        <source>--diary needs a FILE</source>
        <translation>--diary braucht eine Datei FILE</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot; before the command</source>
        <translation>unbekannte Option „%1“ vor dem Befehl</translation>
    </message>
    <message>
        <source>a command is missing after %1</source>
        <translation>nach %1 fehlt ein Befehl</translation>
    </message>
    <message>
        <source> (see repbook-cli --help)</source>
        <translation> (siehe repbook-cli --help)</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot; (see repbook-cli --help)</source>
        <translation>unbekannter Befehl „%1“ (siehe repbook-cli --help)</translation>
    </message>
</context>
</TS>
