<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>AppLanguage</name>
    <message>
        <source>System</source>
        <translation>Systemowy</translation>
    </message>
</context>
<context>
    <name>BackupCommand</name>
    <message>
        <source>Keeps a copy of the diary in its Backups folder now. Older copies are removed as the diary&apos;s retention says.</source>
        <translation>Od razu zapisuje kopię dziennika w jego folderze Backups. Starsze kopie są usuwane zgodnie z okresem przechowywania dziennika.</translation>
    </message>
    <message>
        <source>backup takes no file.</source>
        <translation>backup nie przyjmuje pliku.</translation>
    </message>
    <message>
        <source>%1: no such file.</source>
        <translation>%1: nie ma takiego pliku.</translation>
    </message>
    <message>
        <source>%1 fails its integrity check: no backup was made.</source>
        <translation>%1 nie przechodzi kontroli integralności: kopia zapasowa nie została utworzona.</translation>
    </message>
    <message>
        <source>Replaces the diary by a backup. The diary as it is now is kept as a backup first.</source>
        <translation>Zastępuje dziennik kopią zapasową. Obecny dziennik jest najpierw zachowywany jako kopia zapasowa.</translation>
    </message>
    <message>
        <source>The backup to restore (see the diary&apos;s Backups folder).</source>
        <translation>Kopia zapasowa do przywrócenia (zob. folder Backups dziennika).</translation>
    </message>
    <message>
        <source>restore takes exactly one backup file.</source>
        <translation>restore przyjmuje dokładnie jeden plik kopii zapasowej.</translation>
    </message>
    <message>
        <source>The diary %1 cannot be read.</source>
        <translation>Nie można odczytać dziennika %1.</translation>
    </message>
    <message>
        <source>Restored %1 from %2.
</source>
        <translation>Przywrócono %1 z %2.
</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Repbook</source>
        <translation>O programie Repbook</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Ogólne</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Wersja %1</translation>
    </message>
    <message>
        <source>A personal workout diary, with Repminder, its workout notifier.</source>
        <translation>Osobisty dziennik treningowy z Repminderem, przypominaczem o treningach.</translation>
    </message>
    <message>
        <source>Running on Qt %1.</source>
        <translation>Działa na Qt %1.</translation>
    </message>
    <message>
        <source>Repbook keeps everything on this computer. To back up your diary or move it to another computer, copy these files.</source>
        <translation>Repbook przechowuje wszystko na tym komputerze. Aby zrobić kopię dziennika lub przenieść go na inny komputer, skopiuj te pliki.</translation>
    </message>
    <message>
        <source>Diary:</source>
        <translation>Dziennik:</translation>
    </message>
    <message>
        <source>Name lists:</source>
        <translation>Listy nazw:</translation>
    </message>
    <message>
        <source>Settings:</source>
        <translation>Ustawienia:</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Otwórz folder</translation>
    </message>
    <message>
        <source>The folder does not exist yet:
%1</source>
        <translation>Folder jeszcze nie istnieje:
%1</translation>
    </message>
    <message>
        <source>The folder could not be opened:
%1</source>
        <translation>Nie udało się otworzyć folderu:
%1</translation>
    </message>
    <message>
        <source>Licensed under the GNU General Public License, version 3 or later.</source>
        <translation>Udostępniono na licencji GNU General Public License w wersji 3 lub późniejszej.</translation>
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
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Apply program</source>
        <translation>Zastosuj program</translation>
    </message>
    <message>
        <source>Choose days</source>
        <translation>Wybierz dni</translation>
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
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notatki</translation>
    </message>
    <message>
        <source>Day note</source>
        <translation>Notatka dnia</translation>
    </message>
</context>
<context>
    <name>CConflictsDlg</name>
    <message>
        <source>No workouts.</source>
        <translation>Brak treningów.</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Notatka: %1</translation>
    </message>
    <message>
        <source>This diary&apos;s version</source>
        <translation>Wersja tego dziennika</translation>
    </message>
    <message>
        <source>Other version</source>
        <translation>Inna wersja</translation>
    </message>
    <message>
        <source>&amp;Take other version</source>
        <translation>&amp;Przyjmij inną wersję</translation>
    </message>
    <message>
        <source>&amp;Dismiss other version...</source>
        <translation>&amp;Odrzuć inną wersję...</translation>
    </message>
    <message>
        <source>&amp;Show in calendar</source>
        <translation>Pokaż w &amp;kalendarzu</translation>
    </message>
    <message>
        <source>Conflicts</source>
        <translation>Konflikty</translation>
    </message>
    <message>
        <source>Dates changed on both sides</source>
        <translation>Daty zmienione po obu stronach</translation>
    </message>
    <message>
        <source>D&amp;ates:</source>
        <translation>D&amp;aty:</translation>
    </message>
    <message>
        <source>In this diary (kept):</source>
        <translation>W tym dzienniku (zachowana):</translation>
    </message>
    <message>
        <source>Other version:</source>
        <translation>Inna wersja:</translation>
    </message>
    <message>
        <source>Puts the other version into the diary; Undo brings this diary&apos;s back</source>
        <translation>Wstawia inną wersję do dziennika; Cofnij przywraca wersję tego dziennika</translation>
    </message>
    <message>
        <source>Keeps this diary&apos;s version and removes the other one</source>
        <translation>Zachowuje wersję tego dziennika i usuwa inną</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>the other version was kept on %1</source>
        <translation>inną wersję zachowano %1</translation>
    </message>
    <message>
        <source>the other version was kept</source>
        <translation>inną wersję zachowano</translation>
    </message>
    <message>
        <source>No conflicts: no day was changed on both sides.</source>
        <translation>Brak konfliktów: żaden dzień nie został zmieniony po obu stronach.</translation>
    </message>
    <message>
        <source>One date was changed here and elsewhere (on another computer or in the notifier). The diary kept its version; take the other one if it is the one you want.</source>
        <translation>Jedną datę zmieniono tutaj i gdzie indziej (na innym komputerze lub w przypominaczu). Dziennik zachował swoją wersję; przyjmij inną, jeśli to ją chcesz.</translation>
    </message>
    <message>
        <source>%1 dates were changed here and elsewhere (on another computer or in the notifier). The diary kept its version of each; take the other one where it is the one you want.</source>
        <translation>Daty zmienione tutaj i gdzie indziej (na innym komputerze lub w przypominaczu): %1. Dziennik zachował swoją wersję każdej; przyjmij inną tam, gdzie to ją chcesz.</translation>
    </message>
    <message>
        <source>These conflict files are damaged and cannot be shown: %1</source>
        <translation>Te pliki konfliktów są uszkodzone i nie można ich pokazać: %1</translation>
    </message>
    <message>
        <source>Dismiss the other version of %1?
The diary keeps its version; the other one is removed for good.</source>
        <translation>Odrzucić inną wersję z %1?
Dziennik zachowuje swoją wersję; inna zostanie usunięta na zawsze.</translation>
    </message>
</context>
<context>
    <name>CConsistencyPage</name>
    <message>
        <source>Previous year</source>
        <translation>Poprzedni rok</translation>
    </message>
    <message>
        <source>Next year</source>
        <translation>Następny rok</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>&amp;Rok:</translation>
    </message>
    <message>
        <source>Planned workouts done</source>
        <translation>Wykonane zaplanowane treningi</translation>
    </message>
    <message>
        <source>Weeks in a row with a done workout: %1 now, %2 at most.</source>
        <translation>Tygodnie z rzędu z wykonanym treningiem: teraz %1, najwięcej %2.</translation>
    </message>
    <message>
        <source>No workout in %1. Plan workouts in the calendar and fill in the results: each day then shows here how it went.</source>
        <translation>Brak treningów w %1. Planuj treningi w kalendarzu i wpisuj wyniki: wtedy każdy dzień pokaże tu, jak poszło.</translation>
    </message>
    <message>
        <source>%1 of %2 planned workouts done</source>
        <translation>Wykonano %1 z %2 zaplanowanych treningów</translation>
    </message>
</context>
<context>
    <name>CDayDlg</name>
    <message>
        <source>Workout planning</source>
        <translation>Planowanie treningu</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Dodaj</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Usuń</translation>
    </message>
</context>
<context>
    <name>CDayPrinter</name>
    <message>
        <source>There is nothing to print: no training day is selected.</source>
        <translation>Nie ma nic do wydrukowania: nie zaznaczono żadnego dnia treningowego.</translation>
    </message>
    <message>
        <source>The training log could not be printed. Check the printer or the file name and try again.</source>
        <translation>Nie udało się wydrukować dziennika treningowego. Sprawdź drukarkę lub nazwę pliku i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>Podgląd wydruku</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>Training log</source>
        <translation>Dziennik treningowy</translation>
    </message>
</context>
<context>
    <name>CDayTabCtrl</name>
    <message>
        <source>Workouts</source>
        <translation>Treningi</translation>
    </message>
    <message>
        <source>Exercises</source>
        <translation>Ćwiczenia</translation>
    </message>
    <message>
        <source>Mark exercise(s) as &apos;%1&apos;</source>
        <translation>Oznacz ćwiczenia jako „%1”</translation>
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
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Display range</source>
        <translation>Zakres wyświetlania</translation>
    </message>
    <message>
        <source>Start date:</source>
        <translation>Data początkowa:</translation>
    </message>
    <message>
        <source>End date:</source>
        <translation>Data końcowa:</translation>
    </message>
    <message>
        <source>Total days:</source>
        <translation>Łącznie dni:</translation>
    </message>
</context>
<context>
    <name>CEditorDlg</name>
    <message>
        <source>Workout programs editor</source>
        <translation>Edytor planów treningowych</translation>
    </message>
    <message>
        <source>You need to fill the current day first.</source>
        <translation>Najpierw wypełnij bieżący dzień.</translation>
    </message>
</context>
<context>
    <name>CEmptyDlg</name>
    <message>
        <source>You must not see this.</source>
        <translation>Nie powinieneś tego widzieć.</translation>
    </message>
    <message>
        <source>This is an empty training program. To open existing training program double click on this window.</source>
        <translation>To jest pusty plan treningowy. Aby otworzyć istniejący plan, kliknij dwukrotnie w tym oknie.</translation>
    </message>
    <message>
        <source>There are no workouts dated to this day. To add new workout double click on this window.</source>
        <translation>Na ten dzień nie ma treningów. Aby dodać trening, kliknij dwukrotnie w tym oknie.</translation>
    </message>
    <message>
        <source>There are no exercises planned on this workout. To add new exercise double click on this window.</source>
        <translation>W tym treningu nie zaplanowano ćwiczeń. Aby dodać ćwiczenie, kliknij dwukrotnie w tym oknie.</translation>
    </message>
    <message>
        <source>No workouts can be dated to this day. Change the display range.</source>
        <translation>Na ten dzień nie można przypisać treningów. Zmień zakres wyświetlania.</translation>
    </message>
</context>
<context>
    <name>CExerciseDlg</name>
    <message>
        <source>Add exercise</source>
        <translation>Dodaj ćwiczenie</translation>
    </message>
</context>
<context>
    <name>CExercisePage</name>
    <message>
        <source>No exercise is marked Done yet.

Open a day in the diary, fill in what you lifted and mark the exercises Done
(entering a weight does that): their progress and records appear here.</source>
        <translation>Żadne ćwiczenie nie jest jeszcze oznaczone jako zaliczone.

Otwórz dzień w dzienniku, wpisz, co podniosłeś, i oznacz ćwiczenia jako zaliczone
(wpisanie ciężaru to robi): tu pojawią się postępy i rekordy.</translation>
    </message>
    <message>
        <source>Filter exercises</source>
        <translation>Filtruj ćwiczenia</translation>
    </message>
    <message>
        <source>Exercises</source>
        <translation>Ćwiczenia</translation>
    </message>
    <message>
        <source>Exercise</source>
        <translation>Ćwiczenie</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Dni</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Ostatnio</translation>
    </message>
    <message>
        <source>Count &amp;failed exercises</source>
        <translation>Licz &amp;niezaliczone ćwiczenia</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Wykres</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Rekordy</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Pokaż:</translation>
    </message>
    <message>
        <source>Save &amp;image...</source>
        <translation>Zapisz &amp;obraz...</translation>
    </message>
    <message>
        <source>Choose an exercise on the left</source>
        <translation>Wybierz ćwiczenie po lewej</translation>
    </message>
    <message>
        <source>Choose an exercise to see its progress</source>
        <translation>Wybierz ćwiczenie, aby zobaczyć postępy</translation>
    </message>
    <message>
        <source>No training day of %1 in this range</source>
        <translation>Brak dni treningowych z %1 w tym zakresie</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>od %1 do %2</translation>
    </message>
    <message>
        <source>Save chart image</source>
        <translation>Zapisz obraz wykresu</translation>
    </message>
    <message>
        <source>The chart could not be saved as %1.</source>
        <translation>Nie udało się zapisać wykresu jako %1.</translation>
    </message>
</context>
<context>
    <name>CFPSMiniCalendarCtrl</name>
    <message>
        <source>marked dates</source>
        <translation>zaznaczone daty</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Poprzedni miesiąc</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Następny miesiąc</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Rok</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>od %1 do %2</translation>
    </message>
</context>
<context>
    <name>CFindDlg</name>
    <message>
        <source>Find</source>
        <translation>Znajdź</translation>
    </message>
    <message>
        <source>Fi&amp;nd:</source>
        <translation>&amp;Znajdź:</translation>
    </message>
    <message>
        <source>Workout, exercise or note</source>
        <translation>Trening, ćwiczenie lub notatka</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Wyniki</translation>
    </message>
    <message>
        <source>Type to find workouts, exercises and notes.</source>
        <translation>Pisz, aby znaleźć treningi, ćwiczenia i notatki.</translation>
    </message>
    <message>
        <source>No match.</source>
        <translation>Brak wyników.</translation>
    </message>
    <message>
        <source>1 match.</source>
        <translation>1 wynik.</translation>
    </message>
    <message>
        <source>%1 matches.</source>
        <translation>Wyniki: %1.</translation>
    </message>
</context>
<context>
    <name>CImportPreviewDlg</name>
    <message>
        <source>Import Preview</source>
        <translation>Podgląd importu</translation>
    </message>
    <message>
        <source>Everything in this file is already in the diary: nothing to add.</source>
        <translation>Wszystko z tego pliku jest już w dzienniku: nie ma czego dodać.</translation>
    </message>
    <message>
        <source>Adds %1 with %2 on %3 (%4 new).</source>
        <translation>Dodaje %1 z %2 w %3 (nowe: %4).</translation>
    </message>
    <message>
        <source>The file gives weights in pounds: they are stored in kilograms and shown in pounds.</source>
        <translation>Plik podaje ciężary w funtach: są zapisywane w kilogramach i pokazywane w funtach.</translation>
    </message>
    <message>
        <source>The file gives weights in pounds: they are stored in kilograms, the file&apos;s pounds shown beside them.</source>
        <translation>Plik podaje ciężary w funtach: są zapisywane w kilogramach, a funty z pliku pokazywane obok.</translation>
    </message>
    <message>
        <source>The file gives weights in kilograms: they are stored as they are and shown in pounds.</source>
        <translation>Plik podaje ciężary w kilogramach: są zapisywane bez zmian i pokazywane w funtach.</translation>
    </message>
    <message>
        <source>Weights are in kilograms, as in the file.</source>
        <translation>Ciężary są w kilogramach, jak w pliku.</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt; (%2)&lt;br&gt;%3&lt;br&gt;Already in the diary, left out: %4. Rows skipped: %5.&lt;br&gt;%6</source>
        <translation>&lt;b&gt;%1&lt;/b&gt; (%2)&lt;br&gt;%3&lt;br&gt;Już w dzienniku, pominięte: %4. Pominięte wiersze: %5.&lt;br&gt;%6</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Workouts added</source>
        <translation>Dodane treningi</translation>
    </message>
    <message>
        <source>Exercises added</source>
        <translation>Dodane ćwiczenia</translation>
    </message>
    <message>
        <source>Already there</source>
        <translation>Już są</translation>
    </message>
    <message>
        <source>Workouts: sets × reps × weight</source>
        <translation>Treningi: serie × powtórzenia × ciężar</translation>
    </message>
    <message>
        <source>  (new day)</source>
        <translation>  (nowy dzień)</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(bez nazwy)</translation>
    </message>
    <message>
        <source>Per date</source>
        <translation>Według dat</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Wiersz</translation>
    </message>
    <message>
        <source>Skipped because</source>
        <translation>Pominięty, bo</translation>
    </message>
    <message>
        <source>Rows that cannot be stored</source>
        <translation>Wiersze, których nie można zapisać</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importuj</translation>
    </message>
    <message>
        <source>Per date:</source>
        <translation>Według dat:</translation>
    </message>
    <message>
        <source>Rows of the file that cannot be stored:</source>
        <translation>Wiersze pliku, których nie można zapisać:</translation>
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
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nazwa:</translation>
    </message>
</context>
<context>
    <name>CNameMappingPanel</name>
    <message>
        <source>Exercise names not in the diary (tick to record one under the diary&apos;s name beside it; unticked names become new exercises):</source>
        <translation>Nazwy ćwiczeń spoza dziennika (zaznacz, aby zapisać je pod nazwą z dziennika obok; niezaznaczone staną się nowymi ćwiczeniami):</translation>
    </message>
    <message>
        <source>Record &quot;%1&quot; under the diary&apos;s name beside it</source>
        <translation>Zapisuj „%1” pod nazwą z dziennika obok</translation>
    </message>
    <message>
        <source>diary name</source>
        <translation>nazwa w dzienniku</translation>
    </message>
    <message>
        <source>Diary name for %1</source>
        <translation>Nazwa w dzienniku dla %1</translation>
    </message>
</context>
<context>
    <name>CNotifierWindow</name>
    <message>
        <source>No reminder at the moment</source>
        <translation>Na razie brak przypomnień</translation>
    </message>
    <message>
        <source>This desktop has no notification area, so the workout notifier shows this window. It comes to the front when there is something to remind you of.</source>
        <translation>Ten pulpit nie ma obszaru powiadomień, więc przypominacz o treningach pokazuje to okno. Wysuwa się na wierzch, gdy jest o czym przypomnieć.</translation>
    </message>
    <message>
        <source>Repminder - workout notifier</source>
        <translation>Repminder - przypominacz o treningach</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Otwórz</translation>
    </message>
    <message>
        <source>O&amp;ptions</source>
        <translation>O&amp;pcje</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>Click &quot;Open&quot; to see the reminder.</source>
        <translation>Kliknij „Otwórz”, aby zobaczyć przypomnienie.</translation>
    </message>
</context>
<context>
    <name>CNotifyDlg</name>
    <message>
        <source>View</source>
        <translation>Pokaż</translation>
    </message>
    <message>
        <source>Ask about workout results at</source>
        <translation>Zapytaj o wyniki treningu o</translation>
    </message>
    <message>
        <source>Workout remind</source>
        <translation>Przypomnienie o treningu</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Przenieś</translation>
    </message>
    <message>
        <source>Open Diary</source>
        <translation>Otwórz dziennik</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>Cancel workout</source>
        <translation>Odwołaj trening</translation>
    </message>
    <message>
        <source>Remind me later</source>
        <translation>Przypomnij później</translation>
    </message>
    <message>
        <source>Time to ask about workout results</source>
        <translation>Godzina pytania o wyniki treningu</translation>
    </message>
    <message>
        <source>Please fill in information about your workout results</source>
        <translation>Wpisz wyniki swojego treningu</translation>
    </message>
    <message>
        <source>Fill in</source>
        <translation>Wpisz</translation>
    </message>
    <message>
        <source>You have a workout today</source>
        <translation>Masz dziś trening</translation>
    </message>
    <message>
        <source>The diary database could not be read or is damaged:
%1
Open the diary to check it.</source>
        <translation>Nie udało się odczytać bazy danych dziennika lub jest uszkodzona:
%1
Otwórz dziennik, aby ją sprawdzić.</translation>
    </message>
    <message>
        <source>There is no workout for today in the diary.</source>
        <translation>W dzienniku nie ma treningu na dziś.</translation>
    </message>
    <message>
        <source>The workout could not be saved to the diary database.
%1
Try again?</source>
        <translation>Nie udało się zapisać treningu w bazie danych dziennika.
%1
Spróbować ponownie?</translation>
    </message>
    <message>
        <source>There is no workout for today to print.</source>
        <translation>Na dziś nie ma treningu do wydrukowania.</translation>
    </message>
    <message>
        <source>The diary changed this day while you were editing it. The diary&apos;s version was kept; your entries were saved in:
%1
In the diary, Edit &gt; Conflicts shows them beside its version and lets you take them instead.</source>
        <translation>Dziennik zmienił ten dzień, gdy go edytowałeś. Zachowano wersję dziennika; twoje wpisy zapisano w:
%1
W dzienniku Edycja &gt; Konflikty pokazuje je obok jego wersji i pozwala je przyjąć zamiast niej.</translation>
    </message>
</context>
<context>
    <name>COptionsCommonPage</name>
    <message>
        <source>Shields</source>
        <translation>Tarcze</translation>
    </message>
    <message>
        <source>Flags</source>
        <translation>Flagi</translation>
    </message>
    <message>
        <source>Make a delay while program applying</source>
        <translation>Rób przerwę podczas stosowania programu</translation>
    </message>
    <message>
        <source>&amp;Kilograms (kg)</source>
        <translation>&amp;Kilogramy (kg)</translation>
    </message>
    <message>
        <source>&amp;Pounds (lb)</source>
        <translation>&amp;Funty (lb)</translation>
    </message>
    <message>
        <source>Status images</source>
        <translation>Obrazy stanu</translation>
    </message>
    <message>
        <source>Program applying</source>
        <translation>Stosowanie programu</translation>
    </message>
    <message>
        <source>Weight unit</source>
        <translation>Jednostka ciężaru</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Wygląd</translation>
    </message>
    <message>
        <source>S&amp;ystem (as the desktop)</source>
        <translation>S&amp;ystemowy (jak pulpit)</translation>
    </message>
    <message>
        <source>&amp;Light</source>
        <translation>&amp;Jasny</translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <translation>&amp;Ciemny</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>La&amp;nguage:</source>
        <translation>Ję&amp;zyk:</translation>
    </message>
    <message>
        <source>A new language takes effect the next time Repbook starts.</source>
        <translation>Nowy język zacznie obowiązywać przy następnym uruchomieniu Repbooka.</translation>
    </message>
</context>
<context>
    <name>COptionsDlg</name>
    <message>
        <source>&amp;Launch at logon</source>
        <translation>&amp;Uruchamiaj po zalogowaniu</translation>
    </message>
    <message>
        <source>Show notification &amp;icon in taskbar</source>
        <translation>Pokaż &amp;ikonę w obszarze powiadomień</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Notify</source>
        <translation>Przypominaj</translation>
    </message>
    <message>
        <source>&amp;Never</source>
        <translation>&amp;Nigdy</translation>
    </message>
    <message>
        <source>On &amp;startup only</source>
        <translation>Tylko przy &amp;starcie</translation>
    </message>
    <message>
        <source>&amp;Every</source>
        <translation>&amp;Co</translation>
    </message>
    <message>
        <source>Minutes between reminders</source>
        <translation>Minuty między przypomnieniami</translation>
    </message>
    <message>
        <source>Misc</source>
        <translation>Różne</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>Please enter the number of minutes between reminders, from 1 to %1.</source>
        <translation>Wpisz liczbę minut między przypomnieniami, od 1 do %1.</translation>
    </message>
    <message>
        <source>The logon entry could not be written:
%1</source>
        <translation>Nie udało się zapisać wpisu autostartu:
%1</translation>
    </message>
    <message>
        <source>The logon entry could not be removed:
%1</source>
        <translation>Nie udało się usunąć wpisu autostartu:
%1</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minut</translation>
    </message>
</context>
<context>
    <name>COptionsFolderPage</name>
    <message>
        <source>&amp;Change...</source>
        <translation>&amp;Zmień...</translation>
    </message>
    <message>
        <source>Diary folder</source>
        <translation>Folder dziennika</translation>
    </message>
    <message>
        <source>The diary and the lists of exercise and workout names are kept here. To use one diary on several computers, choose a folder that a sync program (Syncthing, Nextcloud, Dropbox) shares between them. Backups stay on this computer.</source>
        <translation>Tu są przechowywane dziennik i listy nazw ćwiczeń i treningów. Aby używać jednego dziennika na kilku komputerach, wybierz folder, który program synchronizujący (Syncthing, Nextcloud, Dropbox) udostępnia między nimi. Kopie zapasowe zostają na tym komputerze.</translation>
    </message>
    <message>
        <source>The folder is set by REPBOOK_HOME or by the portable installation.</source>
        <translation>Folder jest ustawiony przez REPBOOK_HOME lub instalację przenośną.</translation>
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
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>Ogólne</translation>
    </message>
    <message>
        <source>Diary folder</source>
        <translation>Folder dziennika</translation>
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
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Access denied</source>
        <translation>Odmowa dostępu</translation>
    </message>
    <message>
        <source>Enter password:</source>
        <translation>Podaj hasło:</translation>
    </message>
    <message>
        <source>Password incorrect.</source>
        <translation>Nieprawidłowe hasło.</translation>
    </message>
</context>
<context>
    <name>CProgressChart</name>
    <message>
        <source>d MMM</source>
        <comment>date format of the time axis</comment>
        <translation>d MMM</translation>
    </message>
</context>
<context>
    <name>CProgressDlg</name>
    <message>
        <source>Progress</source>
        <translation>Postępy</translation>
    </message>
    <message>
        <source>&amp;Exercises</source>
        <translation>Ć&amp;wiczenia</translation>
    </message>
    <message>
        <source>&amp;Consistency</source>
        <translation>&amp;Regularność</translation>
    </message>
</context>
<context>
    <name>CRepbookApp</name>
    <message>
        <source>Warning! Program database is corrupted.
Do you want to create new database? All your information will be lost. To recover it contact developers.</source>
        <translation>Uwaga! Baza danych programu jest uszkodzona.
Czy utworzyć nową bazę danych? Wszystkie twoje dane zostaną utracone. Aby je odzyskać, skontaktuj się z twórcami.</translation>
    </message>
    <message>
        <source>Warning! Program database is corrupted.
Do you want to create new database? The damaged file will be kept beside the new one. To recover it contact developers.</source>
        <translation>Uwaga! Baza danych programu jest uszkodzona.
Czy utworzyć nową bazę danych? Uszkodzony plik zostanie zachowany obok nowego. Aby go odzyskać, skontaktuj się z twórcami.</translation>
    </message>
    <message>
        <source>Warning! Program database is corrupted.
The newest sound backup is %1.

Restore that backup, create a new, empty database, or quit?</source>
        <translation>Uwaga! Baza danych programu jest uszkodzona.
Najnowsza nieuszkodzona kopia zapasowa to %1.

Przywrócić tę kopię, utworzyć nową, pustą bazę danych czy zakończyć?</translation>
    </message>
    <message>
        <source> The damaged file will be kept beside the diary.</source>
        <translation> Uszkodzony plik zostanie zachowany obok dziennika.</translation>
    </message>
    <message>
        <source>Application is already running</source>
        <translation>Aplikacja jest już uruchomiona</translation>
    </message>
    <message>
        <source>&amp;Restore backup</source>
        <translation>&amp;Przywróć kopię</translation>
    </message>
    <message>
        <source>&amp;New database</source>
        <translation>&amp;Nowa baza danych</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>Application is closing.</source>
        <translation>Aplikacja zostanie zamknięta.</translation>
    </message>
    <message>
        <source>The backup could not be restored to:
%1
Application is closing.</source>
        <translation>Nie udało się przywrócić kopii zapasowej do:
%1
Aplikacja zostanie zamknięta.</translation>
    </message>
    <message>
        <source>The damaged database could not be set aside:
%1
It was left unchanged. Application is closing.</source>
        <translation>Nie udało się odłożyć uszkodzonej bazy danych:
%1
Pozostała bez zmian. Aplikacja zostanie zamknięta.</translation>
    </message>
    <message>
        <source>The damaged database was kept as:
%1</source>
        <translation>Uszkodzoną bazę danych zachowano jako:
%1</translation>
    </message>
    <message>
        <source>A new database could not be created:
%1
The diary opens empty and cannot be saved.</source>
        <translation>Nie udało się utworzyć nowej bazy danych:
%1
Dziennik otworzy się pusty i nie będzie można go zapisać.</translation>
    </message>
</context>
<context>
    <name>CRepbookDlg</name>
    <message>
        <source>Training calendar</source>
        <translation>Kalendarz treningów</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notatki</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Usunięcie</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Add workout</source>
        <translation>Dodanie treningu</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edycja</translation>
    </message>
    <message>
        <source>Do you want to exit application?</source>
        <translation>Czy chcesz zamknąć aplikację?</translation>
    </message>
</context>
<context>
    <name>CRestoreDlg</name>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Przywróć</translation>
    </message>
    <message>
        <source>Restore from backup</source>
        <translation>Przywróć z kopii zapasowej</translation>
    </message>
    <message>
        <source>Made</source>
        <translation>Utworzono</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Rozmiar</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Dni</translation>
    </message>
    <message>
        <source>Last day</source>
        <translation>Ostatni dzień</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Kopie zapasowe</translation>
    </message>
    <message>
        <source>Days in this backup</source>
        <translation>Dni w tej kopii</translation>
    </message>
    <message>
        <source>There are no backups yet. The diary makes one before its first save of each day.</source>
        <translation>Nie ma jeszcze kopii zapasowych. Dziennik tworzy kopię przed pierwszym zapisem każdego dnia.</translation>
    </message>
    <message>
        <source>&amp;Backups, newest first. Restoring one keeps the diary as it is now as a backup first.</source>
        <translation>&amp;Kopie zapasowe, najnowsze na górze. Przy przywracaniu obecny dziennik jest najpierw zachowywany jako kopia.</translation>
    </message>
    <message>
        <source>Choose a backup to see its days.</source>
        <translation>Wybierz kopię, aby zobaczyć jej dni.</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>uszkodzona</translation>
    </message>
    <message>
        <source>This backup cannot be read or is damaged.</source>
        <translation>Tej kopii nie można odczytać lub jest uszkodzona.</translation>
    </message>
    <message>
        <source>&amp;Days in this backup (%1), read-only:</source>
        <translation>&amp;Dni w tej kopii (%1), tylko do odczytu:</translation>
    </message>
</context>
<context>
    <name>CTrainingDlg</name>
    <message>
        <source>Add workout</source>
        <translation>Dodaj trening</translation>
    </message>
</context>
<context>
    <name>CTrayIcon</name>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Otwórz</translation>
    </message>
    <message>
        <source>O&amp;ptions</source>
        <translation>O&amp;pcje</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>Repminder - workout notifier</source>
        <translation>Repminder - przypominacz o treningach</translation>
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
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>User data</source>
        <translation>Dane użytkownika</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>Ogólne</translation>
    </message>
    <message>
        <source>First name:</source>
        <translation>Imię:</translation>
    </message>
    <message>
        <source>Last name:</source>
        <translation>Nazwisko:</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Bezpieczeństwo</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Hasło:</translation>
    </message>
    <message>
        <source>Confirmation:</source>
        <translation>Potwierdzenie:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Wzrost:</translation>
    </message>
    <message>
        <source>cm</source>
        <translation>cm</translation>
    </message>
    <message>
        <source>Weight:</source>
        <translation>Waga:</translation>
    </message>
    <message>
        <source>Chest:</source>
        <translation>Klatka piersiowa:</translation>
    </message>
    <message>
        <source>Biceps:</source>
        <translation>Biceps:</translation>
    </message>
    <message>
        <source>Anthropometrics</source>
        <translation>Wymiary ciała</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Pomiń</translation>
    </message>
    <message>
        <source>Password and confirmation fields does not match.</source>
        <translation>Hasło i potwierdzenie nie są zgodne.</translation>
    </message>
    <message>
        <source>Please enter a whole number.</source>
        <translation>Wpisz liczbę całkowitą.</translation>
    </message>
</context>
<context>
    <name>CYearGrid</name>
    <message>
        <source>Year %1</source>
        <translation>Rok %1</translation>
    </message>
    <message>
        <source>All workouts done</source>
        <translation>Wszystkie treningi zaliczone</translation>
    </message>
    <message>
        <source>Some workouts done</source>
        <translation>Część treningów zaliczona</translation>
    </message>
    <message>
        <source>Failed only</source>
        <translation>Tylko niezaliczone</translation>
    </message>
    <message>
        <source>Planned but missed</source>
        <translation>Zaplanowany, ale opuszczony</translation>
    </message>
    <message>
        <source>Planned ahead</source>
        <translation>Zaplanowany z wyprzedzeniem</translation>
    </message>
    <message>
        <source>No workout</source>
        <translation>Brak treningu</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Śr</translation>
    </message>
</context>
<context>
    <name>CalendarRange</name>
    <message>
        <source>%1 (today)</source>
        <translation>%1 (dziś)</translation>
    </message>
    <message>
        <source>Range - 1 month</source>
        <translation>Zakres - 1 miesiąc</translation>
    </message>
    <message>
        <source>Range - 2 months</source>
        <translation>Zakres - 2 miesiące</translation>
    </message>
    <message>
        <source>Range - 3 months</source>
        <translation>Zakres - 3 miesiące</translation>
    </message>
    <message>
        <source>Range - 6 months</source>
        <translation>Zakres - 6 miesięcy</translation>
    </message>
    <message>
        <source>Range - year</source>
        <translation>Zakres - rok</translation>
    </message>
    <message>
        <source>Set...</source>
        <translation>Ustaw...</translation>
    </message>
    <message>
        <source>1-st of %1</source>
        <extracomment>The first day of a month in a calendar cell; %1 is the month&apos;s name as in a date.</extracomment>
        <translation>1 %1</translation>
    </message>
</context>
<context>
    <name>ChartRange</name>
    <message>
        <source>All time</source>
        <translation>Cały okres</translation>
    </message>
    <message>
        <source>Calendar range</source>
        <translation>Zakres kalendarza</translation>
    </message>
    <message>
        <source>5 years</source>
        <translation>5 lat</translation>
    </message>
    <message>
        <source>1 year</source>
        <translation>1 rok</translation>
    </message>
    <message>
        <source>6 months</source>
        <translation>6 miesięcy</translation>
    </message>
    <message>
        <source>3 months</source>
        <translation>3 miesiące</translation>
    </message>
</context>
<context>
    <name>ChartSummary</name>
    <message>
        <source>%1 on %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1: no data</source>
        <translation>%1: brak danych</translation>
    </message>
    <message>
        <source>%1: first %2, latest %3, best %4</source>
        <translation>%1: pierwszy %2, ostatni %3, najlepszy %4</translation>
    </message>
</context>
<context>
    <name>CheckCommand</name>
    <message>
        <source>Runs the integrity check of a diary file and prints its day count and date range. Exit code 0: sound, 1: damaged or unreadable.</source>
        <translation>Sprawdza integralność pliku dziennika i wypisuje liczbę dni oraz zakres dat. Kod wyjścia 0: sprawny, 1: uszkodzony lub nieczytelny.</translation>
    </message>
    <message>
        <source>The diary file (default: --diary or the data folder&apos;s diary).</source>
        <translation>Plik dziennika (domyślnie: --diary lub dziennik z folderu danych).</translation>
    </message>
    <message>
        <source>check takes one file at most.</source>
        <translation>check przyjmuje najwyżej jeden plik.</translation>
    </message>
    <message>
        <source>%1: no such file.</source>
        <translation>%1: nie ma takiego pliku.</translation>
    </message>
    <message>
        <source>
The newest sound backup is %1:
%2
Restore it with: repbook-cli restore &quot;%2&quot;</source>
        <translation>
Najnowsza nieuszkodzona kopia zapasowa to %1:
%2
Przywróć ją poleceniem: repbook-cli restore &quot;%2&quot;</translation>
    </message>
    <message>
        <source>no dates</source>
        <translation>brak dat</translation>
    </message>
    <message>
        <source>Conflict copies left by a sync engine (repbook-cli merge merges them):
</source>
        <translation>Kopie konfliktowe pozostawione przez program synchronizujący (scala je repbook-cli merge):
</translation>
    </message>
    <message>
        <source> to </source>
        <translation> do </translation>
    </message>
    <message>
        <source>%1: sound, %2, %3
</source>
        <translation>%1: sprawny, %2, %3
</translation>
    </message>
</context>
<context>
    <name>Command</name>
    <message>
        <source>Work on the diary FILE instead of the one in the data folder.</source>
        <translation>Pracuj na dzienniku FILE zamiast na tym z folderu danych.</translation>
    </message>
    <message>
        <source>Only days on or after DATE (yyyy-MM-dd).</source>
        <translation>Tylko dni od DATE (yyyy-MM-dd).</translation>
    </message>
    <message>
        <source>Only days on or before DATE (yyyy-MM-dd).</source>
        <translation>Tylko dni do DATE (yyyy-MM-dd).</translation>
    </message>
    <message>
        <source>Weights in kg or lb (default: the unit chosen in the diary&apos;s Options).</source>
        <translation>Ciężary w kg lub lb (domyślnie: jednostka wybrana w opcjach dziennika).</translation>
    </message>
    <message>
        <source>%1 (see repbook-cli %2 --help)</source>
        <translation>%1 (zob. repbook-cli %2 --help)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no date of the form yyyy-MM-dd.</source>
        <translation>„%1” nie jest datą w postaci yyyy-MM-dd.</translation>
    </message>
    <message>
        <source>--from %1 lies after --to %2.</source>
        <translation>--from %1 jest po --to %2.</translation>
    </message>
    <message>
        <source>unknown unit &quot;%1&quot;; use kg or lb.</source>
        <translation>nieznana jednostka „%1”; użyj kg lub lb.</translation>
    </message>
    <message>
        <source>The diary %1 cannot be read.</source>
        <translation>Nie można odczytać dziennika %1.</translation>
    </message>
    <message>
        <source>The diary %1 is damaged: it fails its integrity check.</source>
        <translation>Dziennik %1 jest uszkodzony: nie przechodzi kontroli integralności.</translation>
    </message>
    <message>
        <source>Usage: repbook-cli </source>
        <translation>Użycie: repbook-cli </translation>
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
        <translation>Inny komputer zmienił dni, które zmieniono także tutaj:
%1
Dziennik zachowuje wersję pokazaną tutaj. Wersja z innego komputera została zapisana w:
%2
W dzienniku Edycja &gt; Konflikty pokazuje ją obok wersji dziennika i pozwala wybrać ją zamiast niej.</translation>
    </message>
    <message>
        <source>A copy of the diary that the sync program left beside it is damaged and was not merged. It was kept as:
%1</source>
        <translation>Kopia dziennika pozostawiona obok przez program synchronizujący jest uszkodzona i nie została scalona. Zachowano ją jako:
%1</translation>
    </message>
    <message>
        <source>Copies of the diary left by the sync program could not all be merged:
%1</source>
        <translation>Nie udało się scalić wszystkich kopii dziennika pozostawionych przez program synchronizujący:
%1</translation>
    </message>
</context>
<context>
    <name>ConflictCopyMerge</name>
    <message>
        <source>%1 is damaged: it fails its integrity check.</source>
        <translation>%1 jest uszkodzony: nie przechodzi kontroli integralności.</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>Nie można odczytać %1.</translation>
    </message>
    <message>
        <source>The record of what this computer agreed on with the others could not be written:
%1</source>
        <translation>Nie udało się zapisać zapisu tego, co ten komputer uzgodnił z pozostałymi:
%1</translation>
    </message>
    <message>
        <source>The diary&apos;s folder cannot be written:
%1</source>
        <translation>Nie można zapisywać w folderze dziennika:
%1</translation>
    </message>
    <message>
        <source>The record of what this computer last agreed on with the others cannot be read:
%1</source>
        <translation>Nie można odczytać zapisu ostatnich uzgodnień tego komputera z pozostałymi:
%1</translation>
    </message>
</context>
<context>
    <name>ConflictNotice</name>
    <message>
        <source>Days that were changed in two places (on another computer, or here in the notifier) have their other version on record:
%1
Edit &gt; Conflicts shows it beside the diary&apos;s and lets you take it instead.</source>
        <translation>Dni zmienione w dwóch miejscach (na innym komputerze lub tutaj w przypominaczu) mają zapisaną drugą wersję:
%1
Edycja &gt; Konflikty pokazuje ją obok wersji dziennika i pozwala wybrać ją zamiast niej.</translation>
    </message>
</context>
<context>
    <name>ConflictRecords</name>
    <message>
        <source>The other version of the day could not be removed from:
%1</source>
        <translation>Nie udało się usunąć drugiej wersji dnia z:
%1</translation>
    </message>
</context>
<context>
    <name>ConflictsWindow</name>
    <message>
        <source>The diary window is busy. Finish what it is doing, then take the other version.</source>
        <translation>Okno dziennika jest zajęte. Dokończ to, co robi, a potem weź drugą wersję.</translation>
    </message>
    <message>
        <source>Take other version %1</source>
        <translation>Weź drugą wersję %1</translation>
    </message>
</context>
<context>
    <name>CountText</name>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n dzień</numerusform>
            <numerusform>%n dni</numerusform>
            <numerusform>%n dni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n workout(s)</source>
        <translation>
            <numerusform>%n trening</numerusform>
            <numerusform>%n treningi</numerusform>
            <numerusform>%n treningów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n exercise(s)</source>
        <translation>
            <numerusform>%n ćwiczenie</numerusform>
            <numerusform>%n ćwiczenia</numerusform>
            <numerusform>%n ćwiczeń</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n date(s)</source>
        <translation>
            <numerusform>%n data</numerusform>
            <numerusform>%n daty</numerusform>
            <numerusform>%n dat</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n selected day(s)</source>
        <translation>
            <numerusform>%n zaznaczony dzień</numerusform>
            <numerusform>%n zaznaczone dni</numerusform>
            <numerusform>%n zaznaczonych dni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n new day(s)</source>
        <translation>
            <numerusform>%n nowy dzień</numerusform>
            <numerusform>%n nowe dni</numerusform>
            <numerusform>%n nowych dni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s)</source>
        <translation>
            <numerusform>%n wiersz</numerusform>
            <numerusform>%n wiersze</numerusform>
            <numerusform>%n wierszy</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n week(s)</source>
        <translation>
            <numerusform>%n tydzień</numerusform>
            <numerusform>%n tygodnie</numerusform>
            <numerusform>%n tygodni</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CsvReader</name>
    <message>
        <source>Out of memory.</source>
        <translation>Brak pamięci.</translation>
    </message>
    <message>
        <source>Line %1 holds binary data: this is not a text file.</source>
        <translation>Wiersz %1 zawiera dane binarne: to nie jest plik tekstowy.</translation>
    </message>
    <message>
        <source>Line %1 is not valid CSV: %2.</source>
        <translation>Wiersz %1 nie jest poprawnym CSV: %2.</translation>
    </message>
    <message>
        <source>Line %1 opens a quoted field that is never closed.</source>
        <translation>Wiersz %1 otwiera pole w cudzysłowie, które nigdy nie zostaje zamknięte.</translation>
    </message>
</context>
<context>
    <name>DateListText</name>
    <message>
        <source>and %1 more</source>
        <translation>i %1 więcej</translation>
    </message>
</context>
<context>
    <name>DayEditing</name>
    <message>
        <source>Select workout first.</source>
        <translation>Najpierw wybierz trening.</translation>
    </message>
    <message>
        <source>Rename workout</source>
        <translation>Zmień nazwę treningu</translation>
    </message>
</context>
<context>
    <name>DayEditingPanel</name>
    <message>
        <source>Exercise...	Ins</source>
        <translation>Ćwiczenie...	Ins</translation>
    </message>
    <message>
        <source>Workout...</source>
        <translation>Trening...</translation>
    </message>
    <message>
        <source>Up	Ctrl + Up</source>
        <translation>W górę	Ctrl + Up</translation>
    </message>
    <message>
        <source>Down	Ctrl + Down</source>
        <translation>W dół	Ctrl + Down</translation>
    </message>
    <message>
        <source>Left	Ctrl + Left</source>
        <translation>W lewo	Ctrl + Left</translation>
    </message>
    <message>
        <source>Right	Ctrl + Right</source>
        <translation>W prawo	Ctrl + Right</translation>
    </message>
    <message>
        <source>Rename workout...</source>
        <translation>Zmień nazwę treningu...</translation>
    </message>
    <message>
        <source>Selected exercise(s)	Del</source>
        <translation>Zaznaczone ćwiczenia	Del</translation>
    </message>
    <message>
        <source>All exercises</source>
        <translation>Wszystkie ćwiczenia</translation>
    </message>
    <message>
        <source>Workout</source>
        <translation>Trening</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Zaznacz wszystko</translation>
    </message>
    <message>
        <source>Mark workout as &apos;Done&apos;</source>
        <translation>Oznacz trening jako „Zaliczony”</translation>
    </message>
    <message>
        <source>Mark workout as &apos;Failed&apos;</source>
        <translation>Oznacz trening jako „Niezaliczony”</translation>
    </message>
    <message>
        <source>Mark workout as &apos;Not yet&apos;</source>
        <translation>Oznacz trening jako „Jeszcze nie”</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edycja</translation>
    </message>
    <message>
        <source>Move exercise(s)</source>
        <translation>Przenieś ćwiczenia</translation>
    </message>
    <message>
        <source>Move workout</source>
        <translation>Przenieś trening</translation>
    </message>
    <message>
        <source>Add exercise</source>
        <translation>Dodaj ćwiczenie</translation>
    </message>
    <message>
        <source>Remove selected exercise(s)</source>
        <translation>Usuń zaznaczone ćwiczenia</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Przesuń w lewo</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Przesuń w prawo</translation>
    </message>
    <message>
        <source>Workout status</source>
        <translation>Stan treningu</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Przesuń w górę</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Przesuń w dół</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>DayOperations</name>
    <message>
        <source>Do you really want to remove selected day(s)?</source>
        <translation>Czy na pewno usunąć zaznaczone dni?</translation>
    </message>
    <message>
        <source>There are some trainings dated to this day.
If you want to swap days press &apos;Yes&apos;.
If you want to merge training days press &apos;No&apos;.
Press &apos;Cancel&apos; to do nothing.</source>
        <translation>Na ten dzień są już przypisane treningi.
Aby zamienić dni miejscami, naciśnij „Tak”.
Aby scalić dni treningowe, naciśnij „Nie”.
Naciśnij „Anuluj”, aby nic nie robić.</translation>
    </message>
    <message>
        <source>You have selected an empty day.
If you want to move trainings here press &apos;Yes&apos;.
If you want to make a copy of this day press &apos;No&apos;.
Press &apos;Cancel&apos; to do nothing.</source>
        <translation>Zaznaczono pusty dzień.
Aby przenieść tu treningi, naciśnij „Tak”.
Aby zrobić kopię tego dnia, naciśnij „Nie”.
Naciśnij „Anuluj”, aby nic nie robić.</translation>
    </message>
    <message>
        <source>Error! Training could not be dated to this day.</source>
        <translation>Błąd! Nie udało się przypisać treningu do tego dnia.</translation>
    </message>
    <message>
        <source>Choose the target day.</source>
        <translation>Wybierz dzień docelowy.</translation>
    </message>
    <message>
        <source>Select the day first.</source>
        <translation>Najpierw zaznacz dzień.</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>Zamiana</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Scalenie</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Przenieś</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopia</translation>
    </message>
</context>
<context>
    <name>DayPreview</name>
    <message>
        <source>Day note</source>
        <translation>Notatka dnia</translation>
    </message>
    <message>
        <source>No note</source>
        <translation>Brak notatki</translation>
    </message>
    <message>
        <source>Workout area</source>
        <translation>Obszar treningu</translation>
    </message>
    <message>
        <source>To add notes to selected day press &quot;Notes&quot; button.</source>
        <translation>Aby dodać notatki do zaznaczonego dnia, naciśnij przycisk „Notatki”.</translation>
    </message>
</context>
<context>
    <name>DayPrintDocument</name>
    <message>
        <source>Exercise</source>
        <translation>Ćwiczenie</translation>
    </message>
    <message>
        <source>Sets</source>
        <translation>Serie</translation>
    </message>
    <message>
        <source>Reps</source>
        <translation>Powt.</translation>
    </message>
    <message>
        <source>Forced</source>
        <translation>Wymuszone</translation>
    </message>
    <message>
        <source>Negative</source>
        <translation>Negatywne</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Ciężar</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notatka</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>No exercises.</source>
        <translation>Brak ćwiczeń.</translation>
    </message>
    <message>
        <source>No workouts.</source>
        <translation>Brak treningów.</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notatki</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Strona %1 z %2</translation>
    </message>
    <message>
        <source> (continued)</source>
        <translation> (ciąg dalszy)</translation>
    </message>
</context>
<context>
    <name>DesktopNotification</name>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
</context>
<context>
    <name>DiaryBackups</name>
    <message>
        <source>The diary file could not be read for a backup:
%1</source>
        <translation>Nie udało się odczytać pliku dziennika do kopii zapasowej:
%1</translation>
    </message>
    <message>
        <source>A backup of the diary could not be written in:
%1</source>
        <translation>Nie udało się zapisać kopii zapasowej dziennika w:
%1</translation>
    </message>
    <message>
        <source>the backup of %1 with 1 day</source>
        <translation>kopia zapasowa z %1 z 1 dniem</translation>
    </message>
    <message>
        <source>the backup of %1 with %2 days</source>
        <translation>kopia zapasowa z %1 z %2 dniami</translation>
    </message>
    <message>
        <source>The backup cannot be read or is damaged:
%1</source>
        <translation>Nie można odczytać kopii zapasowej lub jest uszkodzona:
%1</translation>
    </message>
    <message>
        <source>d MMMM yyyy, HH:mm</source>
        <translation>d MMMM yyyy, HH:mm</translation>
    </message>
</context>
<context>
    <name>DiaryCsv</name>
    <message>
        <source>%1 is not a whole number</source>
        <translation>%1 nie jest liczbą całkowitą</translation>
    </message>
    <message>
        <source>unreadable date &quot;%1&quot;</source>
        <translation>nieczytelna data „%1”</translation>
    </message>
    <message>
        <source>positions of workout and exercise must count from 1</source>
        <translation>pozycje treningu i ćwiczenia muszą liczyć się od 1</translation>
    </message>
    <message>
        <source>unknown workout status &quot;%1&quot;</source>
        <translation>nieznany stan treningu „%1”</translation>
    </message>
    <message>
        <source>unknown exercise status &quot;%1&quot;</source>
        <translation>nieznany stan ćwiczenia „%1”</translation>
    </message>
    <message>
        <source>unreadable weight &quot;%1&quot;</source>
        <translation>nieczytelny ciężar „%1”</translation>
    </message>
    <message>
        <source>Line %1: the header lacks the column &quot;%2&quot;.</source>
        <translation>Wiersz %1: w nagłówku brakuje kolumny „%2”.</translation>
    </message>
</context>
<context>
    <name>DiaryExchange</name>
    <message>
        <source>Export only the %1?

Yes: the selected days.
No: the whole diary (%2).</source>
        <translation>Eksportować tylko %1?

Tak: zaznaczone dni.
Nie: cały dziennik (%2).</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Eksportuj</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;JSON files (*.json);;All files (*)</source>
        <translation>Pliki CSV (*.csv);;Pliki JSON (*.json);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importuj</translation>
    </message>
    <message>
        <source>Training log exports: Repbook, Strong, Hevy, FitNotes, LiftLog (*.csv *.json);;All files (*)</source>
        <translation>Eksporty dzienników treningowych: Repbook, Strong, Hevy, FitNotes, LiftLog (*.csv *.json);;Wszystkie pliki (*)</translation>
    </message>
</context>
<context>
    <name>DiaryExport</name>
    <message>
        <source>It is a folder.</source>
        <translation>To jest folder.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Folder %1 nie istnieje.</translation>
    </message>
    <message>
        <source>The file is write-protected.</source>
        <translation>Plik jest chroniony przed zapisem.</translation>
    </message>
    <message>
        <source>You may not create files in the folder %1.</source>
        <translation>Nie masz uprawnień do tworzenia plików w folderze %1.</translation>
    </message>
    <message>
        <source>It is no ordinary file.</source>
        <translation>To nie jest zwykły plik.</translation>
    </message>
    <message>
        <source>The folder %1 takes no new files.</source>
        <translation>Folder %1 nie przyjmuje nowych plików.</translation>
    </message>
    <message>
        <source>The export could not be written to:
%1
%2</source>
        <translation>Nie udało się zapisać eksportu do:
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
        <translation>%1 zawiera już dziennik, może z innego komputera.

Tak: użyj tamtego dziennika. Dziennik tego komputera zostaje na miejscu, nieużywany.
Nie: scal z nim dziennik tego komputera, dzień po dniu. Gdzie oba mają dzień z innymi wpisami, zostaje dzień tamtego dziennika, a dzień tego komputera jest zapisywany obok.
Anuluj: dziennik zostaje na miejscu.</translation>
    </message>
    <message>
        <source>Diary folder</source>
        <translation>Folder dziennika</translation>
    </message>
    <message>
        <source>
The diary stays where it is.</source>
        <translation>
Dziennik zostaje na miejscu.</translation>
    </message>
    <message>
        <source>The diary is now in:
%1

The files in %2 were left as they were; remove them once you no longer need them.</source>
        <translation>Dziennik jest teraz w:
%1

Pliki w %2 pozostały bez zmian; usuń je, gdy nie będą już potrzebne.</translation>
    </message>
    <message>
        <source>

The ignore file .stignore could not be written there: keep *.lock files and the Backups folder out of the sync by hand.</source>
        <translation>

Nie udało się tam zapisać pliku wykluczeń .stignore: wyklucz ręcznie z synchronizacji pliki *.lock i folder Backups.</translation>
    </message>
    <message>
        <source>

Days that both diaries hold with other entries kept the folder&apos;s version; this computer&apos;s were saved in:
%1
Edit &gt; Conflicts shows them beside the folder&apos;s and lets you take them instead.</source>
        <translation>

Dni, które oba dzienniki mają z innymi wpisami, zachowały wersję z folderu; wersje z tego komputera zapisano w:
%1
Edycja &gt; Konflikty pokazuje je obok wersji z folderu i pozwala je przyjąć zamiast nich.</translation>
    </message>
</context>
<context>
    <name>DiaryFolderSwitch</name>
    <message>
        <source>%1 could not be copied to:
%2</source>
        <translation>Nie udało się skopiować %1 do:
%2</translation>
    </message>
    <message>
        <source>The diary %1 cannot be read or is damaged.</source>
        <translation>Nie można odczytać dziennika %1 lub jest uszkodzony.</translation>
    </message>
</context>
<context>
    <name>DiaryHistory</name>
    <message>
        <source>&quot;%1 %2&quot; is not possible: another program (the notifier or the command-line tool) has changed %3 since. Doing it would throw that change away.</source>
        <translation>„%1 %2” jest niemożliwe: inny program (przypominacz lub narzędzie wiersza poleceń) zmienił od tego czasu %3. Wykonanie odrzuciłoby tę zmianę.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Cofnij</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ponów</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ponów</translation>
    </message>
</context>
<context>
    <name>DiaryImport</name>
    <message>
        <source>%1: %2 with %3 to add (%4)%5; %6 already in the diary; %7 skipped.</source>
        <translation>%1: %2 z %3 do dodania (%4)%5; %6 już w dzienniku; pominięto: %7.</translation>
    </message>
    <message>
        <source>Added %1 with %2 (%3)%4.</source>
        <translation>Dodano %1 z %2 (%3)%4.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>od %1 do %2</translation>
    </message>
    <message>
        <source>(no date)</source>
        <translation>(bez daty)</translation>
    </message>
    <message>
        <source>%1  new day, %2, %3; %4 already there</source>
        <translation>%1  nowy dzień, %2, %3; już jest: %4</translation>
    </message>
    <message>
        <source>%1  adds %2, %3; %4 already there</source>
        <translation>%1  dodaje %2, %3; już jest: %4</translation>
    </message>
    <message>
        <source>line %1 skipped: %2</source>
        <translation>wiersz %1 pominięty: %2</translation>
    </message>
</context>
<context>
    <name>DiaryJson</name>
    <message>
        <source>a day must be an object</source>
        <translation>dzień musi być obiektem</translation>
    </message>
    <message>
        <source>Day %1 of the file: %2.</source>
        <translation>Dzień %1 pliku: %2.</translation>
    </message>
    <message>
        <source>unreadable date</source>
        <translation>nieczytelna data</translation>
    </message>
    <message>
        <source>unknown status &quot;%1&quot;</source>
        <translation>nieznany stan „%1”</translation>
    </message>
    <message>
        <source>Line %1 is not valid JSON: %2.</source>
        <translation>Wiersz %1 nie jest poprawnym JSON: %2.</translation>
    </message>
    <message>
        <source>Line 1: this JSON file is no Repbook diary export.</source>
        <translation>Wiersz 1: ten plik JSON nie jest eksportem dziennika Repbook.</translation>
    </message>
    <message>
        <source>Line 1: the file was written by a newer Repbook (version %1).</source>
        <translation>Wiersz 1: plik zapisała nowsza wersja Repbook (wersja %1).</translation>
    </message>
    <message>
        <source>Line 1: unknown weight unit &quot;%1&quot;.</source>
        <translation>Wiersz 1: nieznana jednostka ciężaru „%1”.</translation>
    </message>
</context>
<context>
    <name>DiarySaving</name>
    <message>
        <source>The diary file had been damaged outside the program. It was kept as:
%1
The diary was saved again from the days shown here.</source>
        <translation>Plik dziennika został uszkodzony poza programem. Zachowano go jako:
%1
Dziennik zapisano ponownie z dni pokazanych tutaj.</translation>
    </message>
    <message>
        <source>
Your changes are kept while the program runs, and saving is tried again every minute.</source>
        <translation>
Twoje zmiany są zachowane, dopóki program działa, a zapis jest ponawiany co minutę.</translation>
    </message>
    <message>
        <source>
The diary itself is saved as usual; the backup is tried again at the next save.</source>
        <translation>
Sam dziennik jest zapisywany normalnie; kopia zapasowa zostanie ponowiona przy następnym zapisie.</translation>
    </message>
    <message>
        <source>Not saved: the days of %1.</source>
        <translation>Nie zapisano: dni %1.</translation>
    </message>
    <message>
        <source>%1
%2

Retry, exit without saving (Discard), or go back to the diary (Cancel)?</source>
        <translation>%1
%2

Ponowić, zakończyć bez zapisu (Odrzuć) czy wrócić do dziennika (Anuluj)?</translation>
    </message>
    <message>
        <source>Another program changed days that were also changed here:
%1
The diary keeps the version shown here. The other version was saved in:
%2
Edit &gt; Conflicts shows it beside the diary&apos;s and lets you take it instead.</source>
        <translation>Inny program zmienił dni, które zmieniono też tutaj:
%1
Dziennik zachowuje wersję pokazaną tutaj. Drugą wersję zapisano w:
%2
Edycja &gt; Konflikty pokazuje ją obok wersji dziennika i pozwala ją przyjąć zamiast niej.</translation>
    </message>
</context>
<context>
    <name>EditorControls</name>
    <message>
        <source>New...	Ctrl + N</source>
        <translation>Nowy...	Ctrl + N</translation>
    </message>
    <message>
        <source>Open...	Ctrl + O</source>
        <translation>Otwórz...	Ctrl + O</translation>
    </message>
    <message>
        <source>Close	Ctrl + W</source>
        <translation>Zamknij	Ctrl + W</translation>
    </message>
    <message>
        <source>Save	Ctrl + S</source>
        <translation>Zapisz	Ctrl + S</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>Zapisz jako...</translation>
    </message>
    <message>
        <source>Exit	Ctrl + X</source>
        <translation>Zakończ	Ctrl + X</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Dzień</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>W górę</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>W dół</translation>
    </message>
    <message>
        <source>Selected exercise(s)	Del</source>
        <translation>Zaznaczone ćwiczenia	Del</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Dodaj</translation>
    </message>
    <message>
        <source>Move day</source>
        <translation>Przenieś dzień</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <source>Workout...</source>
        <translation>Trening...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Remove selected exercise(s) or day(s)</source>
        <translation>Usuń zaznaczone ćwiczenia lub dni</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
</context>
<context>
    <name>ExchangeFields</name>
    <message>
        <source>%1 outside %2..%3</source>
        <translation>%1 poza zakresem %2..%3</translation>
    </message>
    <message>
        <source>sets</source>
        <translation>serie</translation>
    </message>
    <message>
        <source>reps</source>
        <translation>powtórzenia</translation>
    </message>
    <message>
        <source>forced reps</source>
        <translation>powtórzenia wymuszone</translation>
    </message>
    <message>
        <source>negative reps</source>
        <translation>powtórzenia negatywne</translation>
    </message>
    <message>
        <source>weight outside 0..%1 kg</source>
        <translation>ciężar poza zakresem 0..%1 kg</translation>
    </message>
</context>
<context>
    <name>ExerciseColumns</name>
    <message>
        <source>Status</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>Exercise</source>
        <translation>Ćwiczenie</translation>
    </message>
    <message>
        <source>Sets</source>
        <translation>Serie</translation>
    </message>
    <message>
        <source>Reps</source>
        <translation>Powt.</translation>
    </message>
    <message>
        <source>Forced</source>
        <translation>Wymuszone</translation>
    </message>
    <message>
        <source>Negative</source>
        <translation>Negatywne</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Ciężar</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notatka</translation>
    </message>
</context>
<context>
    <name>ExerciseHistory</name>
    <message>
        <source>Heaviest weight</source>
        <translation>Największy ciężar</translation>
    </message>
    <message>
        <source>Estimated 1RM</source>
        <translation>Szacowany 1RM</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Objętość</translation>
    </message>
    <message>
        <source>Most repetitions</source>
        <translation>Najwięcej powtórzeń</translation>
    </message>
    <message>
        <source>Sets</source>
        <translation>Serie</translation>
    </message>
</context>
<context>
    <name>ExportCommand</name>
    <message>
        <source>csv (default) or json.</source>
        <translation>csv (domyślnie) lub json.</translation>
    </message>
    <message>
        <source>Write to FILE instead of standard output.</source>
        <translation>Zapisz do FILE zamiast na standardowe wyjście.</translation>
    </message>
    <message>
        <source>Writes the diary, or the days of a date range, as CSV or JSON.</source>
        <translation>Zapisuje dziennik lub dni z zakresu dat jako CSV lub JSON.</translation>
    </message>
    <message>
        <source>export takes no file argument; use --output.</source>
        <translation>export nie przyjmuje pliku; użyj --output.</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot;.</source>
        <translation>nieznany format „%1”.</translation>
    </message>
    <message>
        <source>The export could not be written to standard output.</source>
        <translation>Nie udało się zapisać eksportu na standardowe wyjście.</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>Training program files (*.rpp);;All files (*)</source>
        <translation>Pliki planów treningowych (*.rpp);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>PNG images (*.png);;All files (*)</source>
        <translation>Obrazy PNG (*.png);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
</context>
<context>
    <name>FindCommand</name>
    <message>
        <source>Prints the workouts, exercises and notes that contain TEXT, newest first. Case and accents do not matter.</source>
        <translation>Wypisuje treningi, ćwiczenia i notatki zawierające TEXT, od najnowszych. Wielkość liter i znaki diakrytyczne nie mają znaczenia.</translation>
    </message>
    <message>
        <source>The text to find.</source>
        <translation>Szukany tekst.</translation>
    </message>
    <message>
        <source>find takes exactly one text (quote a text with spaces).</source>
        <translation>find przyjmuje dokładnie jeden tekst (tekst ze spacjami ujmij w cudzysłów).</translation>
    </message>
    <message>
        <source>find needs a text to look for.</source>
        <translation>find potrzebuje tekstu do wyszukania.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not found.</source>
        <translation>Nie znaleziono „%1”.</translation>
    </message>
</context>
<context>
    <name>FindResultsModel</name>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Gdzie</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
</context>
<context>
    <name>ImportCommand</name>
    <message>
        <source>&quot;%1&quot; is no exercise of the diary; the closest is &quot;%2&quot; (--map &quot;%1=%2&quot; joins them).
</source>
        <translation>„%1” nie jest ćwiczeniem z dziennika; najbliższe to „%2” (--map &quot;%1=%2&quot; je łączy).
</translation>
    </message>
    <message>
        <source>auto (default), csv, json, strong, hevy, fitnotes or liftlog.</source>
        <translation>auto (domyślnie), csv, json, strong, hevy, fitnotes lub liftlog.</translation>
    </message>
    <message>
        <source>Joins an exercise name of the file to one of the diary, as &quot;NAME IN THE FILE=DIARY NAME&quot; (repeatable; overrides a remembered choice for this run).</source>
        <translation>Łączy nazwę ćwiczenia z pliku z nazwą z dziennika, jako &quot;NAME IN THE FILE=DIARY NAME&quot; (można powtarzać; w tym uruchomieniu zastępuje zapamiętany wybór).</translation>
    </message>
    <message>
        <source>Only print what would be added.</source>
        <translation>Wypisz tylko, co zostałoby dodane.</translation>
    </message>
    <message>
        <source>Also print a line for every date.</source>
        <translation>Wypisz też wiersz dla każdej daty.</translation>
    </message>
    <message>
        <source>Adds the workouts of a Repbook CSV or JSON export, or of a CSV export of Strong, Hevy, FitNotes or LiftLog, to the diary. Workouts already in the diary are left out. Safe while Repbook or Repminder runs.</source>
        <translation>Dodaje do dziennika treningi z eksportu CSV lub JSON programu Repbook albo z eksportu CSV aplikacji Strong, Hevy, FitNotes lub LiftLog. Treningi, które już są w dzienniku, są pomijane. Bezpieczne, gdy działa Repbook lub Repminder.</translation>
    </message>
    <message>
        <source>The file to import.</source>
        <translation>Plik do zaimportowania.</translation>
    </message>
    <message>
        <source>import takes exactly one file.</source>
        <translation>import przyjmuje dokładnie jeden plik.</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot;.</source>
        <translation>nieznany format „%1”.</translation>
    </message>
    <message>
        <source>--map &quot;%1&quot; is not &quot;NAME IN THE FILE=DIARY NAME&quot;.</source>
        <translation>--map &quot;%1&quot; nie ma postaci &quot;NAME IN THE FILE=DIARY NAME&quot;.</translation>
    </message>
    <message>
        <source>The diary %1 cannot be read.</source>
        <translation>Nie można odczytać dziennika %1.</translation>
    </message>
    <message>
        <source>Nothing to add.
</source>
        <translation>Nie ma czego dodać.
</translation>
    </message>
    <message>
        <source>Days changed meanwhile by another program were kept in %1.</source>
        <translation>Dni zmienione w międzyczasie przez inny program zachowano w %1.</translation>
    </message>
</context>
<context>
    <name>ImportNameMap</name>
    <message>
        <source>The choices of exercise names could not be saved in %1.</source>
        <translation>Nie udało się zapisać wyboru nazw ćwiczeń w %1.</translation>
    </message>
</context>
<context>
    <name>ImportSource</name>
    <message>
        <source>Line 1: the file has no header.</source>
        <translation>Wiersz 1: plik nie ma nagłówka.</translation>
    </message>
    <message>
        <source>Line 1: the file is empty.</source>
        <translation>Wiersz 1: plik jest pusty.</translation>
    </message>
    <message>
        <source>Line 1: the file is no export that Repbook can read (a Repbook CSV or JSON file, or a CSV export of Strong, Hevy, FitNotes or LiftLog).</source>
        <translation>Wiersz 1: plik nie jest eksportem, który Repbook potrafi odczytać (plik CSV lub JSON z Repbook albo eksport CSV ze Strong, Hevy, FitNotes lub LiftLog).</translation>
    </message>
    <message>
        <source>%1 is too large to import (%2 MB; at most %3 MB).</source>
        <translation>%1 jest za duży, aby go zaimportować (%2 MB; najwyżej %3 MB).</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>Nie można odczytać %1.</translation>
    </message>
    <message>
        <source>%1 cannot be imported.
%2</source>
        <translation>Nie można zaimportować %1.
%2</translation>
    </message>
</context>
<context>
    <name>LaunchDiary</name>
    <message>
        <source>The diary program could not be started:
%1</source>
        <translation>Nie udało się uruchomić programu dziennika:
%1</translation>
    </message>
</context>
<context>
    <name>LiftLogExport</name>
    <message>
        <source>Line %1: the header is not that of a %2 file.</source>
        <translation>Wiersz %1: nagłówek nie pasuje do pliku %2.</translation>
    </message>
    <message>
        <source>unreadable timestamp &quot;%1&quot;</source>
        <translation>nieczytelny znacznik czasu „%1”</translation>
    </message>
    <message>
        <source>unreadable number</source>
        <translation>nieczytelna liczba</translation>
    </message>
    <message>
        <source>unknown unit &quot;%1&quot;</source>
        <translation>nieznana jednostka „%1”</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importuj...</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Eksportuj...</translation>
    </message>
    <message>
        <source>P&amp;rint preview</source>
        <translation>&amp;Podgląd wydruku</translation>
    </message>
    <message>
        <source>&amp;Print	Ctrl + P</source>
        <translation>&amp;Drukuj	Ctrl + P</translation>
    </message>
    <message>
        <source>Restore from &amp;backup...</source>
        <translation>Przywróć z &amp;kopii zapasowej...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edycja</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl + Z</source>
        <translation>&amp;Cofnij	Ctrl + Z</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl + Y</source>
        <translation>&amp;Ponów	Ctrl + Y</translation>
    </message>
    <message>
        <source>View...	Return</source>
        <translation>Pokaż...	Enter</translation>
    </message>
    <message>
        <source>Notes...	Ctrl + N</source>
        <translation>Notatki...	Ctrl + N</translation>
    </message>
    <message>
        <source>&amp;Add workout...	Ins</source>
        <translation>&amp;Dodaj trening...	Ins</translation>
    </message>
    <message>
        <source>&amp;Move selected</source>
        <translation>&amp;Przenieś zaznaczone</translation>
    </message>
    <message>
        <source>&amp;Remove selected	Del</source>
        <translation>&amp;Usuń zaznaczone	Del</translation>
    </message>
    <message>
        <source>&amp;Find...	Ctrl + F</source>
        <translation>&amp;Znajdź...	Ctrl + F</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Widok</translation>
    </message>
    <message>
        <source>Go to</source>
        <translation>Przejdź do</translation>
    </message>
    <message>
        <source>Today	Ctrl + Return</source>
        <translation>Dzisiaj	Ctrl + Enter</translation>
    </message>
    <message>
        <source>First day	Ctrl + Home</source>
        <translation>Pierwszy dzień	Ctrl + Home</translation>
    </message>
    <message>
        <source>Previous day	Ctrl + Left</source>
        <translation>Poprzedni dzień	Ctrl + Left</translation>
    </message>
    <message>
        <source>Next day	Ctrl + Right</source>
        <translation>Następny dzień	Ctrl + Right</translation>
    </message>
    <message>
        <source>Last day	Ctrl + End</source>
        <translation>Ostatni dzień	Ctrl + End</translation>
    </message>
    <message>
        <source>&amp;Refresh	F5</source>
        <translation>&amp;Odśwież	F5</translation>
    </message>
    <message>
        <source>Set range...</source>
        <translation>Ustaw zakres...</translation>
    </message>
    <message>
        <source>&amp;Selection to range	Ctrl + R</source>
        <translation>Zaznaczenie jako &amp;zakres	Ctrl + R</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Narzędzia</translation>
    </message>
    <message>
        <source>&amp;Editor...	Ctrl + E</source>
        <translation>&amp;Edytor...	Ctrl + E</translation>
    </message>
    <message>
        <source>Apply program...	Ctrl + Space</source>
        <translation>Zastosuj program...	Ctrl + Spacja</translation>
    </message>
    <message>
        <source>&amp;Progress...	Ctrl + G</source>
        <translation>&amp;Postępy...	Ctrl + G</translation>
    </message>
    <message>
        <source>User...</source>
        <translation>Użytkownik...</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Opcje...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>&amp;About Repbook...</source>
        <translation>&amp;O programie Repbook...</translation>
    </message>
    <message>
        <source>&amp;Conflicts...</source>
        <translation>&amp;Konflikty...</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Pokaż</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Przesuń</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Pierwszy</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Poprzedni</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Następny</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Ostatni</translation>
    </message>
    <message>
        <source>Editor</source>
        <translation>Edytor</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notatki</translation>
    </message>
</context>
<context>
    <name>MergeCommand</name>
    <message>
        <source>Only print what would be merged.</source>
        <translation>Wypisz tylko, co zostałoby scalone.</translation>
    </message>
    <message>
        <source>%1: already merged, %2</source>
        <translation>%1: już scalono, %2</translation>
    </message>
    <message>
        <source>%1: damaged (fails its integrity check), not merged</source>
        <translation>%1: uszkodzona (nie przechodzi kontroli integralności), nie scalono</translation>
    </message>
    <message>
        <source>%1: cannot be read, not merged</source>
        <translation>%1: nieczytelna, nie scalono</translation>
    </message>
    <message>
        <source>; changed on both sides, the diary&apos;s days kept: %1</source>
        <translation>; zmienione po obu stronach, zachowano dni dziennika: %1</translation>
    </message>
    <message>
        <source>Merges the conflict copies that a sync engine (Syncthing, Nextcloud, Dropbox) left beside the diary and its name lists, by date, then removes them. A date changed on both sides keeps the diary&apos;s days; the copy&apos;s are kept in a conflict file beside the diary. Exit code 0: merged or nothing to merge, 1: a copy could not be merged (nothing is written then). Safe while Repbook or Repminder runs.</source>
        <translation>Scala według dat kopie konfliktowe, które program synchronizujący (Syncthing, Nextcloud, Dropbox) zostawił obok dziennika i jego list nazw, a potem je usuwa. Data zmieniona po obu stronach zachowuje dni dziennika; dni kopii trafiają do pliku konfliktu obok dziennika. Kod wyjścia 0: scalono lub nie ma czego scalać, 1: nie udało się scalić kopii (wtedy nic nie jest zapisywane). Bezpieczne, gdy działa Repbook lub Repminder.</translation>
    </message>
    <message>
        <source>merge takes no file; use --diary.</source>
        <translation>merge nie przyjmuje pliku; użyj --diary.</translation>
    </message>
    <message>
        <source>Nothing to merge.
</source>
        <translation>Nie ma czego scalać.
</translation>
    </message>
    <message>
        <source>%1: names merged</source>
        <translation>%1: scalono nazwy</translation>
    </message>
    <message>
        <source>%1 names would be added to the name lists</source>
        <translation>Nazwy, które zostałyby dodane do list: %1</translation>
    </message>
    <message>
        <source>%1 names added to the name lists</source>
        <translation>Nazwy dodane do list: %1</translation>
    </message>
    <message>
        <source>The copies&apos; days of dates changed on both sides are kept in %1</source>
        <translation>Dni kopii z dat zmienionych po obu stronach zachowano w %1</translation>
    </message>
    <message>
        <source>
Nothing was merged.</source>
        <translation>
Nic nie scalono.</translation>
    </message>
    <message>
        <source>%1: would take %2 dates</source>
        <translation>%1: zostałyby przejęte daty: %2</translation>
    </message>
    <message>
        <source>%1: took %2 dates</source>
        <translation>%1: przejęto daty: %2</translation>
    </message>
</context>
<context>
    <name>PeerExports</name>
    <message>
        <source>unreadable date &quot;%1&quot;</source>
        <translation>nieczytelna data „%1”</translation>
    </message>
    <message>
        <source>unreadable number</source>
        <translation>nieczytelna liczba</translation>
    </message>
    <message>
        <source>Line %1: the header is not that of a %2 file.</source>
        <translation>Wiersz %1: nagłówek nie pasuje do pliku %2.</translation>
    </message>
</context>
<context>
    <name>PeriodPoints</name>
    <message>
        <source>One point per week: the sum of each week.</source>
        <translation>Jeden punkt na tydzień: suma każdego tygodnia.</translation>
    </message>
    <message>
        <source>One point per week: the best of each week.</source>
        <translation>Jeden punkt na tydzień: najlepszy wynik każdego tygodnia.</translation>
    </message>
    <message>
        <source>One point per month: the sum of each month.</source>
        <translation>Jeden punkt na miesiąc: suma każdego miesiąca.</translation>
    </message>
    <message>
        <source>One point per month: the best of each month.</source>
        <translation>Jeden punkt na miesiąc: najlepszy wynik każdego miesiąca.</translation>
    </message>
</context>
<context>
    <name>PrintedDay</name>
    <message>
        <source>Undated day</source>
        <translation>Dzień bez daty</translation>
    </message>
    <message>
        <source>dddd, d MMMM yyyy</source>
        <translation>dddd, d MMMM yyyy</translation>
    </message>
</context>
<context>
    <name>ProgramApplication</name>
    <message>
        <source>Apply program</source>
        <translation>Zastosowanie programu</translation>
    </message>
</context>
<context>
    <name>ProgramDayList</name>
    <message>
        <source>Program days</source>
        <translation>Dni planu</translation>
    </message>
    <message>
        <source>Day %1</source>
        <translation>Dzień %1</translation>
    </message>
</context>
<context>
    <name>ProgramFile</name>
    <message>
        <source>Save changes?</source>
        <translation>Zapisać zmiany?</translation>
    </message>
    <message>
        <source>Error! File is corrupted.</source>
        <translation>Błąd! Plik jest uszkodzony.</translation>
    </message>
    <message>
        <source>Error! The program could not be saved to
%1</source>
        <translation>Błąd! Nie udało się zapisać planu w
%1</translation>
    </message>
</context>
<context>
    <name>ProgressStatus</name>
    <message>
        <source>Not yet</source>
        <translation>Jeszcze nie</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Zaliczone</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Niezaliczone</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>none yet</source>
        <translation>jeszcze brak</translation>
    </message>
</context>
<context>
    <name>RangeControls</name>
    <message>
        <source>Range</source>
        <translation>Zakres</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalendarz</translation>
    </message>
    <message>
        <source>dates in the range</source>
        <translation>daty w zakresie</translation>
    </message>
    <message>
        <source>Range of the calendar: %1 to %2</source>
        <translation>Zakres kalendarza: od %1 do %2</translation>
    </message>
</context>
<context>
    <name>RecordsCommand</name>
    <message>
        <source>Count Failed exercises as well as Done.</source>
        <translation>Licz niezaliczone ćwiczenia tak jak zaliczone.</translation>
    </message>
    <message>
        <source>%1 x %2</source>
        <translation>%1 x %2</translation>
    </message>
    <message>
        <source>Estimated 1RM</source>
        <translation>Szacowany 1RM</translation>
    </message>
    <message>
        <source>Highest day volume</source>
        <translation>Największa objętość dnia</translation>
    </message>
    <message>
        <source>Most reps, weight 0</source>
        <translation>Najwięcej powtórzeń, ciężar 0</translation>
    </message>
    <message>
        <source>Prints the personal records of an exercise, or of every performed exercise, most recently trained first.</source>
        <translation>Wypisuje rekordy osobiste ćwiczenia lub każdego wykonanego ćwiczenia, od ostatnio trenowanych.</translation>
    </message>
    <message>
        <source>The exercise (case and surrounding spaces do not matter); all exercises when left out.</source>
        <translation>Ćwiczenie (wielkość liter i spacje wokół nie mają znaczenia); bez podania wszystkie ćwiczenia.</translation>
    </message>
    <message>
        <source>records takes one exercise at most (quote a name with spaces).</source>
        <translation>records przyjmuje najwyżej jedno ćwiczenie (nazwę ze spacjami ujmij w cudzysłów).</translation>
    </message>
    <message>
        <source>No exercise is marked Done in the diary yet.</source>
        <translation>W dzienniku żadne ćwiczenie nie jest jeszcze oznaczone jako zaliczone.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was never done.</source>
        <translation>„%1” nigdy nie zostało zaliczone.</translation>
    </message>
    <message>
        <source>Heaviest, %1 rep</source>
        <translation>Największy ciężar, %1 powt.</translation>
    </message>
    <message>
        <source>Heaviest, %1 reps</source>
        <translation>Największy ciężar, %1 powt.</translation>
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
        <translation>Najlepszy</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Heaviest, 1 rep</source>
        <translation>Największy ciężar, 1 powt.</translation>
    </message>
    <message>
        <source>Heaviest, %1 reps</source>
        <translation>Największy ciężar, %1 powt.</translation>
    </message>
    <message>
        <source>Estimated 1RM</source>
        <translation>Szacowany 1RM</translation>
    </message>
    <message>
        <source>Highest day volume</source>
        <translation>Największa objętość dnia</translation>
    </message>
    <message>
        <source>Most reps, weight 0</source>
        <translation>Najwięcej powtórzeń, ciężar 0</translation>
    </message>
</context>
<context>
    <name>ReminderScheduler</name>
    <message>
        <source>You have a workout today</source>
        <translation>Masz dziś trening</translation>
    </message>
    <message>
        <source>Get workout plan by clicking on this message.</source>
        <translation>Kliknij tę wiadomość, aby zobaczyć plan treningu.</translation>
    </message>
    <message>
        <source>Fill in workout</source>
        <translation>Wpisz trening</translation>
    </message>
    <message>
        <source>Click on this message to fill in your workout results.</source>
        <translation>Kliknij tę wiadomość, aby wpisać wyniki treningu.</translation>
    </message>
</context>
<context>
    <name>RestoreFlow</name>
    <message>
        <source>Replace the diary by the backup %1?
The diary as it is now is kept as a backup first, and Undo brings it back.</source>
        <translation>Zastąpić dziennik kopią zapasową %1?
Obecny dziennik zostanie najpierw zachowany jako kopia zapasowa, a Cofnij go przywróci.</translation>
    </message>
    <message>
        <source>
Nothing was restored: the diary as it is now could not be kept first.</source>
        <translation>
Nic nie przywrócono: nie udało się najpierw zachować obecnego dziennika.</translation>
    </message>
    <message>
        <source>Restore backup</source>
        <translation>Przywróć kopię</translation>
    </message>
    <message>
        <source>
The restored days are shown, and saving is tried again every minute.</source>
        <translation>
Przywrócone dni są pokazane, a zapis jest ponawiany co minutę.</translation>
    </message>
    <message>
        <source>The diary was restored from:
%1</source>
        <translation>Dziennik przywrócono z:
%1</translation>
    </message>
    <message>
        <source>
The diary as it was is kept as:
%1</source>
        <translation>
Dziennik w poprzednim stanie zachowano jako:
%1</translation>
    </message>
    <message>
        <source>
Days another program had changed meanwhile are kept in:
%1</source>
        <translation>
Dni zmienione w międzyczasie przez inny program zachowano w:
%1</translation>
    </message>
</context>
<context>
    <name>SetCollector</name>
    <message>
        <source>unreadable date</source>
        <translation>nieczytelna data</translation>
    </message>
    <message>
        <source>no exercise name</source>
        <translation>brak nazwy ćwiczenia</translation>
    </message>
    <message>
        <source>time or distance only</source>
        <translation>tylko czas lub dystans</translation>
    </message>
    <message>
        <source>no weight and no reps</source>
        <translation>brak ciężaru i powtórzeń</translation>
    </message>
    <message>
        <source>weight %1 kg outside 0..%2 kg</source>
        <translation>ciężar %1 kg poza zakresem 0..%2 kg</translation>
    </message>
</context>
<context>
    <name>SharedDiaryFile</name>
    <message>
        <source>The diary file cannot be read:
%1</source>
        <translation>Nie można odczytać pliku dziennika:
%1</translation>
    </message>
    <message>
        <source>Days changed on both sides could not be kept in:
%1</source>
        <translation>Nie udało się zachować dni zmienionych po obu stronach w:
%1</translation>
    </message>
    <message>
        <source>The diary is not bound to a file.</source>
        <translation>Dziennik nie jest powiązany z plikiem.</translation>
    </message>
    <message>
        <source>The diary file is being saved by another program:
%1</source>
        <translation>Plik dziennika jest właśnie zapisywany przez inny program:
%1</translation>
    </message>
    <message>
        <source>The diary could not be saved to:
%1</source>
        <translation>Nie udało się zapisać dziennika w:
%1</translation>
    </message>
    <message>
        <source>The damaged diary file could not be set aside:
%1</source>
        <translation>Nie udało się odłożyć uszkodzonego pliku dziennika:
%1</translation>
    </message>
</context>
<context>
    <name>StatusCheck</name>
    <message>
        <source>Some exercises in &apos;%1&apos; workout are marked as &apos;%2&apos;, but workout itself is marked as &apos;%3&apos;.
Do you want to mark workout as &apos;%4&apos;?</source>
        <translation>Niektóre ćwiczenia w treningu „%1” są oznaczone jako „%2”, ale sam trening jest oznaczony jako „%3”.
Czy oznaczyć trening jako „%4”?</translation>
    </message>
    <message>
        <source>All exercises in &apos;%1&apos; workout are marked as &apos;%2&apos;, but workout itself is marked as &apos;%3&apos;.
Do you want to mark workout as &apos;%4&apos;?</source>
        <translation>Wszystkie ćwiczenia w treningu „%1” są oznaczone jako „%2”, ale sam trening jest oznaczony jako „%3”.
Czy oznaczyć trening jako „%4”?</translation>
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
        <translation>Aby dodać notatki, najpierw zaznacz dzień.</translation>
    </message>
    <message>
        <source>Do you want to apply the last edited program to selected range?</source>
        <translation>Czy zastosować ostatnio edytowany program do zaznaczonego zakresu?</translation>
    </message>
</context>
<context>
    <name>WindowHistory</name>
    <message>
        <source>Mark </source>
        <translation>Oznacz </translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Usage: repbook-cli [--diary FILE] COMMAND [options]

Works on the Repbook diary from scripts.

Commands:
</source>
        <translation>Użycie: repbook-cli [--diary FILE] COMMAND [options]

Obsługuje dziennik Repbook ze skryptów.

Polecenia:
</translation>
    </message>
    <message>
        <source>
repbook-cli COMMAND --help describes a command&apos;s options. Exit codes: 0 done, 1 failed, 2 bad usage.
</source>
        <translation>
repbook-cli COMMAND --help opisuje opcje polecenia. Kody wyjścia: 0 wykonano, 1 błąd, 2 złe użycie.
</translation>
    </message>
    <message>
        <source>--diary needs a FILE</source>
        <translation>--diary wymaga FILE</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot; before the command</source>
        <translation>nieznana opcja „%1” przed poleceniem</translation>
    </message>
    <message>
        <source>a command is missing after %1</source>
        <translation>brak polecenia po %1</translation>
    </message>
    <message>
        <source> (see repbook-cli --help)</source>
        <translation> (zob. repbook-cli --help)</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot; (see repbook-cli --help)</source>
        <translation>nieznane polecenie „%1” (zob. repbook-cli --help)</translation>
    </message>
</context>
</TS>
