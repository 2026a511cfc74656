<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AppLanguage</name>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
</context>
<context>
    <name>BackupCommand</name>
    <message>
        <source>Keeps a copy of the diary in its Backups folder now. Older copies are removed as the diary&apos;s retention says.</source>
        <translation>Salva subito una copia del diario nella sua cartella Backups. Le copie più vecchie vengono rimosse secondo la conservazione del diario.</translation>
    </message>
    <message>
        <source>backup takes no file.</source>
        <translation>backup non accetta file.</translation>
    </message>
    <message>
        <source>%1: no such file.</source>
        <translation>%1: file inesistente.</translation>
    </message>
    <message>
        <source>%1 fails its integrity check: no backup was made.</source>
        <translation>%1 non supera il controllo di integrità: nessun backup è stato creato.</translation>
    </message>
    <message>
        <source>Replaces the diary by a backup. The diary as it is now is kept as a backup first.</source>
        <translation>Sostituisce il diario con un backup. Il diario com&apos;è ora viene prima conservato come backup.</translation>
    </message>
    <message>
        <source>The backup to restore (see the diary&apos;s Backups folder).</source>
        <translation>Il backup da ripristinare (vedi la cartella Backups del diario).</translation>
    </message>
    <message>
        <source>restore takes exactly one backup file.</source>
        <translation>restore accetta esattamente un file di backup.</translation>
    </message>
    <message>
        <source>The diary %1 cannot be read.</source>
        <translation>Impossibile leggere il diario %1.</translation>
    </message>
    <message>
        <source>Restored %1 from %2.
</source>
        <translation>%1 ripristinato da %2.
</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Repbook</source>
        <translation>Informazioni su Repbook</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Assistenza</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
    <message>
        <source>A personal workout diary, with Repminder, its workout notifier.</source>
        <translation>Un diario di allenamento personale, con Repminder, il suo promemoria degli allenamenti.</translation>
    </message>
    <message>
        <source>Running on Qt %1.</source>
        <translation>In esecuzione su Qt %1.</translation>
    </message>
    <message>
        <source>Repbook keeps everything on this computer. To back up your diary or move it to another computer, copy these files.</source>
        <translation>Repbook conserva tutto su questo computer. Per fare una copia del diario o spostarlo su un altro computer, copia questi file.</translation>
    </message>
    <message>
        <source>Diary:</source>
        <translation>Diario:</translation>
    </message>
    <message>
        <source>Name lists:</source>
        <translation>Elenchi dei nomi:</translation>
    </message>
    <message>
        <source>Settings:</source>
        <translation>Impostazioni:</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Apri cartella</translation>
    </message>
    <message>
        <source>The folder does not exist yet:
%1</source>
        <translation>La cartella non esiste ancora:
%1</translation>
    </message>
    <message>
        <source>The folder could not be opened:
%1</source>
        <translation>Impossibile aprire la cartella:
%1</translation>
    </message>
    <message>
        <source>Licensed under the GNU General Public License, version 3 or later.</source>
        <translation>Distribuito con licenza GNU General Public License, versione 3 o successiva.</translation>
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
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Apply program</source>
        <translation>Applica programma</translation>
    </message>
    <message>
        <source>Choose days</source>
        <translation>Scegli i giorni</translation>
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
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Day note</source>
        <translation>Nota del giorno</translation>
    </message>
</context>
<context>
    <name>CConflictsDlg</name>
    <message>
        <source>No workouts.</source>
        <translation>Nessun allenamento.</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Nota: %1</translation>
    </message>
    <message>
        <source>This diary&apos;s version</source>
        <translation>Versione di questo diario</translation>
    </message>
    <message>
        <source>Other version</source>
        <translation>Altra versione</translation>
    </message>
    <message>
        <source>&amp;Take other version</source>
        <translation>&amp;Prendi l&apos;altra versione</translation>
    </message>
    <message>
        <source>&amp;Dismiss other version...</source>
        <translation>&amp;Scarta l&apos;altra versione...</translation>
    </message>
    <message>
        <source>&amp;Show in calendar</source>
        <translation>&amp;Mostra nel calendario</translation>
    </message>
    <message>
        <source>Conflicts</source>
        <translation>Conflitti</translation>
    </message>
    <message>
        <source>Dates changed on both sides</source>
        <translation>Date modificate da entrambe le parti</translation>
    </message>
    <message>
        <source>D&amp;ates:</source>
        <translation>D&amp;ate:</translation>
    </message>
    <message>
        <source>In this diary (kept):</source>
        <translation>In questo diario (mantenuta):</translation>
    </message>
    <message>
        <source>Other version:</source>
        <translation>Altra versione:</translation>
    </message>
    <message>
        <source>Puts the other version into the diary; Undo brings this diary&apos;s back</source>
        <translation>Mette l&apos;altra versione nel diario; Annulla riporta quella di questo diario</translation>
    </message>
    <message>
        <source>Keeps this diary&apos;s version and removes the other one</source>
        <translation>Mantiene la versione di questo diario e rimuove l&apos;altra</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>the other version was kept on %1</source>
        <translation>l&apos;altra versione è stata conservata il %1</translation>
    </message>
    <message>
        <source>the other version was kept</source>
        <translation>l&apos;altra versione è stata conservata</translation>
    </message>
    <message>
        <source>No conflicts: no day was changed on both sides.</source>
        <translation>Nessun conflitto: nessun giorno è stato modificato da entrambe le parti.</translation>
    </message>
    <message>
        <source>One date was changed here and elsewhere (on another computer or in the notifier). The diary kept its version; take the other one if it is the one you want.</source>
        <translation>Una data è stata modificata qui e altrove (su un altro computer o nel promemoria). Il diario ha mantenuto la sua versione; prendi l&apos;altra se è quella che vuoi.</translation>
    </message>
    <message>
        <source>%1 dates were changed here and elsewhere (on another computer or in the notifier). The diary kept its version of each; take the other one where it is the one you want.</source>
        <translation>%1 date sono state modificate qui e altrove (su un altro computer o nel promemoria). Il diario ha mantenuto la sua versione di ciascuna; prendi l&apos;altra dove è quella che vuoi.</translation>
    </message>
    <message>
        <source>These conflict files are damaged and cannot be shown: %1</source>
        <translation>Questi file di conflitto sono danneggiati e non possono essere mostrati: %1</translation>
    </message>
    <message>
        <source>Dismiss the other version of %1?
The diary keeps its version; the other one is removed for good.</source>
        <translation>Scartare l&apos;altra versione del %1?
Il diario mantiene la sua versione; l&apos;altra viene rimossa definitivamente.</translation>
    </message>
</context>
<context>
    <name>CConsistencyPage</name>
    <message>
        <source>Previous year</source>
        <translation>Anno precedente</translation>
    </message>
    <message>
        <source>Next year</source>
        <translation>Anno successivo</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>&amp;Anno:</translation>
    </message>
    <message>
        <source>Planned workouts done</source>
        <translation>Allenamenti pianificati completati</translation>
    </message>
    <message>
        <source>Weeks in a row with a done workout: %1 now, %2 at most.</source>
        <translation>Settimane di fila con un allenamento completato: %1 ora, %2 al massimo.</translation>
    </message>
    <message>
        <source>No workout in %1. Plan workouts in the calendar and fill in the results: each day then shows here how it went.</source>
        <translation>Nessun allenamento nel %1. Pianifica gli allenamenti nel calendario e inserisci i risultati: qui ogni giorno mostrerà com&apos;è andato.</translation>
    </message>
    <message>
        <source>%1 of %2 planned workouts done</source>
        <translation>%1 di %2 allenamenti pianificati completati</translation>
    </message>
</context>
<context>
    <name>CDayDlg</name>
    <message>
        <source>Workout planning</source>
        <translation>Pianificazione dell&apos;allenamento</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Aggiungi</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Rimuovi</translation>
    </message>
</context>
<context>
    <name>CDayPrinter</name>
    <message>
        <source>There is nothing to print: no training day is selected.</source>
        <translation>Non c&apos;è nulla da stampare: nessun giorno di allenamento è selezionato.</translation>
    </message>
    <message>
        <source>The training log could not be printed. Check the printer or the file name and try again.</source>
        <translation>Il diario di allenamento non è stato stampato. Controlla la stampante o il nome del file e riprova.</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>Anteprima di stampa</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Training log</source>
        <translation>Diario di allenamento</translation>
    </message>
</context>
<context>
    <name>CDayTabCtrl</name>
    <message>
        <source>Workouts</source>
        <translation>Allenamenti</translation>
    </message>
    <message>
        <source>Exercises</source>
        <translation>Esercizi</translation>
    </message>
    <message>
        <source>Mark exercise(s) as &apos;%1&apos;</source>
        <translation>Segna esercizi come «%1»</translation>
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
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Display range</source>
        <translation>Intervallo visualizzato</translation>
    </message>
    <message>
        <source>Start date:</source>
        <translation>Data di inizio:</translation>
    </message>
    <message>
        <source>End date:</source>
        <translation>Data di fine:</translation>
    </message>
    <message>
        <source>Total days:</source>
        <translation>Giorni totali:</translation>
    </message>
</context>
<context>
    <name>CEditorDlg</name>
    <message>
        <source>Workout programs editor</source>
        <translation>Editor dei programmi di allenamento</translation>
    </message>
    <message>
        <source>You need to fill the current day first.</source>
        <translation>Compila prima il giorno corrente.</translation>
    </message>
</context>
<context>
    <name>CEmptyDlg</name>
    <message>
        <source>You must not see this.</source>
        <translation>Non dovresti vedere questo.</translation>
    </message>
    <message>
        <source>This is an empty training program. To open existing training program double click on this window.</source>
        <translation>Questo è un programma di allenamento vuoto. Per aprire un programma esistente fai doppio clic in questa finestra.</translation>
    </message>
    <message>
        <source>There are no workouts dated to this day. To add new workout double click on this window.</source>
        <translation>Nessun allenamento in questo giorno. Per aggiungere un allenamento fai doppio clic in questa finestra.</translation>
    </message>
    <message>
        <source>There are no exercises planned on this workout. To add new exercise double click on this window.</source>
        <translation>Nessun esercizio pianificato in questo allenamento. Per aggiungere un esercizio fai doppio clic in questa finestra.</translation>
    </message>
    <message>
        <source>No workouts can be dated to this day. Change the display range.</source>
        <translation>Nessun allenamento può essere assegnato a questo giorno. Cambia l&apos;intervallo visualizzato.</translation>
    </message>
</context>
<context>
    <name>CExerciseDlg</name>
    <message>
        <source>Add exercise</source>
        <translation>Aggiungi esercizio</translation>
    </message>
</context>
<context>
    <name>CExercisePage</name>
    <message>
        <source>No exercise is marked Done yet.

Open a day in the diary, fill in what you lifted and mark the exercises Done
(entering a weight does that): their progress and records appear here.</source>
        <translation>Nessun esercizio è ancora segnato come fatto.

Apri un giorno nel diario, inserisci ciò che hai sollevato e segna gli esercizi come fatti
(inserire un carico lo fa): qui compariranno progressi e record.</translation>
    </message>
    <message>
        <source>Filter exercises</source>
        <translation>Filtra esercizi</translation>
    </message>
    <message>
        <source>Exercises</source>
        <translation>Esercizi</translation>
    </message>
    <message>
        <source>Exercise</source>
        <translation>Esercizio</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Giorni</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Ultimo</translation>
    </message>
    <message>
        <source>Count &amp;failed exercises</source>
        <translation>Conta gli esercizi &amp;falliti</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Grafico</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Mostra:</translation>
    </message>
    <message>
        <source>Save &amp;image...</source>
        <translation>Salva &amp;immagine...</translation>
    </message>
    <message>
        <source>Choose an exercise on the left</source>
        <translation>Scegli un esercizio a sinistra</translation>
    </message>
    <message>
        <source>Choose an exercise to see its progress</source>
        <translation>Scegli un esercizio per vederne i progressi</translation>
    </message>
    <message>
        <source>No training day of %1 in this range</source>
        <translation>Nessun giorno di allenamento di %1 in questo intervallo</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>dal %1 al %2</translation>
    </message>
    <message>
        <source>Save chart image</source>
        <translation>Salva immagine del grafico</translation>
    </message>
    <message>
        <source>The chart could not be saved as %1.</source>
        <translation>Impossibile salvare il grafico come %1.</translation>
    </message>
</context>
<context>
    <name>CFPSMiniCalendarCtrl</name>
    <message>
        <source>marked dates</source>
        <translation>date segnate</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Mese precedente</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Mese successivo</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Anno</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>da %1 a %2</translation>
    </message>
</context>
<context>
    <name>CFindDlg</name>
    <message>
        <source>Find</source>
        <translation>Trova</translation>
    </message>
    <message>
        <source>Fi&amp;nd:</source>
        <translation>Tro&amp;va:</translation>
    </message>
    <message>
        <source>Workout, exercise or note</source>
        <translation>Allenamento, esercizio o nota</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Risultati</translation>
    </message>
    <message>
        <source>Type to find workouts, exercises and notes.</source>
        <translation>Digita per trovare allenamenti, esercizi e note.</translation>
    </message>
    <message>
        <source>No match.</source>
        <translation>Nessuna corrispondenza.</translation>
    </message>
    <message>
        <source>1 match.</source>
        <translation>1 corrispondenza.</translation>
    </message>
    <message>
        <source>%1 matches.</source>
        <translation>%1 corrispondenze.</translation>
    </message>
</context>
<context>
    <name>CImportPreviewDlg</name>
    <message>
        <source>Import Preview</source>
        <translation>Anteprima importazione</translation>
    </message>
    <message>
        <source>Everything in this file is already in the diary: nothing to add.</source>
        <translation>Tutto il contenuto di questo file è già nel diario: niente da aggiungere.</translation>
    </message>
    <message>
        <source>Adds %1 with %2 on %3 (%4 new).</source>
        <translation>Aggiunge %1 con %2 in %3 (%4 nuovi).</translation>
    </message>
    <message>
        <source>The file gives weights in pounds: they are stored in kilograms and shown in pounds.</source>
        <translation>Il file indica i carichi in libbre: vengono salvati in chilogrammi e mostrati in libbre.</translation>
    </message>
    <message>
        <source>The file gives weights in pounds: they are stored in kilograms, the file&apos;s pounds shown beside them.</source>
        <translation>Il file indica i carichi in libbre: vengono salvati in chilogrammi, con le libbre del file mostrate accanto.</translation>
    </message>
    <message>
        <source>The file gives weights in kilograms: they are stored as they are and shown in pounds.</source>
        <translation>Il file indica i carichi in chilogrammi: vengono salvati così come sono e mostrati in libbre.</translation>
    </message>
    <message>
        <source>Weights are in kilograms, as in the file.</source>
        <translation>I carichi sono in chilogrammi, come nel file.</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt; (%2)&lt;br&gt;%3&lt;br&gt;Already in the diary, left out: %4. Rows skipped: %5.&lt;br&gt;%6</source>
        <translation>&lt;b&gt;%1&lt;/b&gt; (%2)&lt;br&gt;%3&lt;br&gt;Già nel diario, esclusi: %4. Righe saltate: %5.&lt;br&gt;%6</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Workouts added</source>
        <translation>Allenamenti
aggiunti</translation>
    </message>
    <message>
        <source>Exercises added</source>
        <translation>Esercizi
aggiunti</translation>
    </message>
    <message>
        <source>Already there</source>
        <translation>Già presenti</translation>
    </message>
    <message>
        <source>Workouts: sets × reps × weight</source>
        <translation>Allenamenti: serie × ripetizioni × carico</translation>
    </message>
    <message>
        <source>  (new day)</source>
        <translation>  (nuovo giorno)</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(senza nome)</translation>
    </message>
    <message>
        <source>Per date</source>
        <translation>Per data</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Riga</translation>
    </message>
    <message>
        <source>Skipped because</source>
        <translation>Saltata perché</translation>
    </message>
    <message>
        <source>Rows that cannot be stored</source>
        <translation>Righe che non si possono salvare</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importa</translation>
    </message>
    <message>
        <source>Per date:</source>
        <translation>Per data:</translation>
    </message>
    <message>
        <source>Rows of the file that cannot be stored:</source>
        <translation>Righe del file che non si possono salvare:</translation>
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
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
</context>
<context>
    <name>CNameMappingPanel</name>
    <message>
        <source>Exercise names not in the diary (tick to record one under the diary&apos;s name beside it; unticked names become new exercises):</source>
        <translation>Nomi di esercizi non presenti nel diario (spunta per registrarne uno con il nome del diario accanto; i nomi non spuntati diventano nuovi esercizi):</translation>
    </message>
    <message>
        <source>Record &quot;%1&quot; under the diary&apos;s name beside it</source>
        <translation>Registra «%1» con il nome del diario accanto</translation>
    </message>
    <message>
        <source>diary name</source>
        <translation>nome nel diario</translation>
    </message>
    <message>
        <source>Diary name for %1</source>
        <translation>Nome nel diario per %1</translation>
    </message>
</context>
<context>
    <name>CNotifierWindow</name>
    <message>
        <source>No reminder at the moment</source>
        <translation>Nessun promemoria al momento</translation>
    </message>
    <message>
        <source>This desktop has no notification area, so the workout notifier shows this window. It comes to the front when there is something to remind you of.</source>
        <translation>Questo desktop non ha un&apos;area di notifica, quindi il promemoria degli allenamenti mostra questa finestra. Viene in primo piano quando c&apos;è qualcosa da ricordarti.</translation>
    </message>
    <message>
        <source>Repminder - workout notifier</source>
        <translation>Repminder - promemoria degli allenamenti</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Apri</translation>
    </message>
    <message>
        <source>O&amp;ptions</source>
        <translation>O&amp;pzioni</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Click &quot;Open&quot; to see the reminder.</source>
        <translation>Fai clic su «Apri» per vedere il promemoria.</translation>
    </message>
</context>
<context>
    <name>CNotifyDlg</name>
    <message>
        <source>View</source>
        <translation>Vedi</translation>
    </message>
    <message>
        <source>Ask about workout results at</source>
        <translation>Chiedi i risultati dell&apos;allenamento alle</translation>
    </message>
    <message>
        <source>Workout remind</source>
        <translation>Promemoria allenamento</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Sposta</translation>
    </message>
    <message>
        <source>Open Diary</source>
        <translation>Apri diario</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Cancel workout</source>
        <translation>Annulla allenamento</translation>
    </message>
    <message>
        <source>Remind me later</source>
        <translation>Ricordamelo più tardi</translation>
    </message>
    <message>
        <source>Time to ask about workout results</source>
        <translation>Ora in cui chiedere i risultati dell&apos;allenamento</translation>
    </message>
    <message>
        <source>Please fill in information about your workout results</source>
        <translation>Inserisci i risultati del tuo allenamento</translation>
    </message>
    <message>
        <source>Fill in</source>
        <translation>Compila</translation>
    </message>
    <message>
        <source>You have a workout today</source>
        <translation>Oggi hai un allenamento</translation>
    </message>
    <message>
        <source>The diary database could not be read or is damaged:
%1
Open the diary to check it.</source>
        <translation>Impossibile leggere il database del diario, oppure è danneggiato:
%1
Apri il diario per controllarlo.</translation>
    </message>
    <message>
        <source>There is no workout for today in the diary.</source>
        <translation>Nel diario non c&apos;è nessun allenamento per oggi.</translation>
    </message>
    <message>
        <source>The workout could not be saved to the diary database.
%1
Try again?</source>
        <translation>Impossibile salvare l&apos;allenamento nel database del diario.
%1
Riprovare?</translation>
    </message>
    <message>
        <source>There is no workout for today to print.</source>
        <translation>Oggi non c&apos;è nessun allenamento da stampare.</translation>
    </message>
    <message>
        <source>The diary changed this day while you were editing it. The diary&apos;s version was kept; your entries were saved in:
%1
In the diary, Edit &gt; Conflicts shows them beside its version and lets you take them instead.</source>
        <translation>Il diario ha modificato questo giorno mentre lo stavi modificando. È stata mantenuta la versione del diario; i tuoi dati sono stati salvati in:
%1
Nel diario, Modifica &gt; Conflitti li mostra accanto alla sua versione e permette di prenderli al suo posto.</translation>
    </message>
</context>
<context>
    <name>COptionsCommonPage</name>
    <message>
        <source>Shields</source>
        <translation>Scudi</translation>
    </message>
    <message>
        <source>Flags</source>
        <translation>Bandiere</translation>
    </message>
    <message>
        <source>Make a delay while program applying</source>
        <translation>Fai una pausa durante l&apos;applicazione di un programma</translation>
    </message>
    <message>
        <source>&amp;Kilograms (kg)</source>
        <translation>&amp;Chilogrammi (kg)</translation>
    </message>
    <message>
        <source>&amp;Pounds (lb)</source>
        <translation>&amp;Libbre (lb)</translation>
    </message>
    <message>
        <source>Status images</source>
        <translation>Immagini di stato</translation>
    </message>
    <message>
        <source>Program applying</source>
        <translation>Applicazione dei programmi</translation>
    </message>
    <message>
        <source>Weight unit</source>
        <translation>Unità di peso</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Aspetto</translation>
    </message>
    <message>
        <source>S&amp;ystem (as the desktop)</source>
        <translation>S&amp;istema (come il desktop)</translation>
    </message>
    <message>
        <source>&amp;Light</source>
        <translation>C&amp;hiaro</translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <translation>&amp;Scuro</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>La&amp;nguage:</source>
        <translation>Li&amp;ngua:</translation>
    </message>
    <message>
        <source>A new language takes effect the next time Repbook starts.</source>
        <translation>Una nuova lingua ha effetto al prossimo avvio di Repbook.</translation>
    </message>
</context>
<context>
    <name>COptionsDlg</name>
    <message>
        <source>&amp;Launch at logon</source>
        <translation>&amp;Avvia all&apos;accesso</translation>
    </message>
    <message>
        <source>Show notification &amp;icon in taskbar</source>
        <translation>Mostra l&apos;&amp;icona nell&apos;area di notifica</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Notify</source>
        <translation>Promemoria</translation>
    </message>
    <message>
        <source>&amp;Never</source>
        <translation>&amp;Mai</translation>
    </message>
    <message>
        <source>On &amp;startup only</source>
        <translation>Solo all&apos;a&amp;vvio</translation>
    </message>
    <message>
        <source>&amp;Every</source>
        <translation>&amp;Ogni</translation>
    </message>
    <message>
        <source>Minutes between reminders</source>
        <translation>Minuti tra i promemoria</translation>
    </message>
    <message>
        <source>Misc</source>
        <translation>Varie</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Please enter the number of minutes between reminders, from 1 to %1.</source>
        <translation>Inserisci i minuti tra i promemoria, da 1 a %1.</translation>
    </message>
    <message>
        <source>The logon entry could not be written:
%1</source>
        <translation>Impossibile scrivere la voce di avvio:
%1</translation>
    </message>
    <message>
        <source>The logon entry could not be removed:
%1</source>
        <translation>Impossibile rimuovere la voce di avvio:
%1</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minuti</translation>
    </message>
</context>
<context>
    <name>COptionsFolderPage</name>
    <message>
        <source>&amp;Change...</source>
        <translation>&amp;Cambia...</translation>
    </message>
    <message>
        <source>Diary folder</source>
        <translation>Cartella del diario</translation>
    </message>
    <message>
        <source>The diary and the lists of exercise and workout names are kept here. To use one diary on several computers, choose a folder that a sync program (Syncthing, Nextcloud, Dropbox) shares between them. Backups stay on this computer.</source>
        <translation>Qui sono conservati il diario e gli elenchi dei nomi di esercizi e allenamenti. Per usare un diario su più computer, scegli una cartella che un programma di sincronizzazione (Syncthing, Nextcloud, Dropbox) condivide tra loro. I backup restano su questo computer.</translation>
    </message>
    <message>
        <source>The folder is set by REPBOOK_HOME or by the portable installation.</source>
        <translation>La cartella è fissata da REPBOOK_HOME o dall&apos;installazione portabile.</translation>
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
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>Diary folder</source>
        <translation>Cartella del diario</translation>
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
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Access denied</source>
        <translation>Accesso negato</translation>
    </message>
    <message>
        <source>Enter password:</source>
        <translation>Inserisci la password:</translation>
    </message>
    <message>
        <source>Password incorrect.</source>
        <translation>Password errata.</translation>
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
        <translation>Progressi</translation>
    </message>
    <message>
        <source>&amp;Exercises</source>
        <translation>&amp;Esercizi</translation>
    </message>
    <message>
        <source>&amp;Consistency</source>
        <translation>&amp;Costanza</translation>
    </message>
</context>
<context>
    <name>CRepbookApp</name>
    <message>
        <source>Warning! Program database is corrupted.
Do you want to create new database? All your information will be lost. To recover it contact developers.</source>
        <translation>Attenzione! Il database del programma è danneggiato.
Vuoi creare un nuovo database? Tutti i tuoi dati andranno persi. Per recuperarli contatta gli sviluppatori.</translation>
    </message>
    <message>
        <source>Warning! Program database is corrupted.
Do you want to create new database? The damaged file will be kept beside the new one. To recover it contact developers.</source>
        <translation>Attenzione! Il database del programma è danneggiato.
Vuoi creare un nuovo database? Il file danneggiato sarà conservato accanto a quello nuovo. Per recuperarlo contatta gli sviluppatori.</translation>
    </message>
    <message>
        <source>Warning! Program database is corrupted.
The newest sound backup is %1.

Restore that backup, create a new, empty database, or quit?</source>
        <translation>Attenzione! Il database del programma è danneggiato.
Il backup integro più recente è %1.

Ripristinare quel backup, creare un nuovo database vuoto o uscire?</translation>
    </message>
    <message>
        <source> The damaged file will be kept beside the diary.</source>
        <translation> Il file danneggiato sarà conservato accanto al diario.</translation>
    </message>
    <message>
        <source>Application is already running</source>
        <translation>L&apos;applicazione è già in esecuzione</translation>
    </message>
    <message>
        <source>&amp;Restore backup</source>
        <translation>&amp;Ripristina backup</translation>
    </message>
    <message>
        <source>&amp;New database</source>
        <translation>&amp;Nuovo database</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Application is closing.</source>
        <translation>L&apos;applicazione si sta chiudendo.</translation>
    </message>
    <message>
        <source>The backup could not be restored to:
%1
Application is closing.</source>
        <translation>Impossibile ripristinare il backup in:
%1
L&apos;applicazione si sta chiudendo.</translation>
    </message>
    <message>
        <source>The damaged database could not be set aside:
%1
It was left unchanged. Application is closing.</source>
        <translation>Impossibile mettere da parte il database danneggiato:
%1
È rimasto invariato. L&apos;applicazione si sta chiudendo.</translation>
    </message>
    <message>
        <source>The damaged database was kept as:
%1</source>
        <translation>Il database danneggiato è stato conservato come:
%1</translation>
    </message>
    <message>
        <source>A new database could not be created:
%1
The diary opens empty and cannot be saved.</source>
        <translation>Impossibile creare un nuovo database:
%1
Il diario si apre vuoto e non può essere salvato.</translation>
    </message>
</context>
<context>
    <name>CRepbookDlg</name>
    <message>
        <source>Training calendar</source>
        <translation>Calendario degli allenamenti</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importazione</translation>
    </message>
    <message>
        <source>Add workout</source>
        <translation>Aggiungi allenamento</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Do you want to exit application?</source>
        <translation>Vuoi uscire dall&apos;applicazione?</translation>
    </message>
</context>
<context>
    <name>CRestoreDlg</name>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Ripristina</translation>
    </message>
    <message>
        <source>Restore from backup</source>
        <translation>Ripristina da backup</translation>
    </message>
    <message>
        <source>Made</source>
        <translation>Creato</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Giorni</translation>
    </message>
    <message>
        <source>Last day</source>
        <translation>Ultimo giorno</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Backup</translation>
    </message>
    <message>
        <source>Days in this backup</source>
        <translation>Giorni in questo backup</translation>
    </message>
    <message>
        <source>There are no backups yet. The diary makes one before its first save of each day.</source>
        <translation>Non ci sono ancora backup. Il diario ne crea uno prima del primo salvataggio di ogni giorno.</translation>
    </message>
    <message>
        <source>&amp;Backups, newest first. Restoring one keeps the diary as it is now as a backup first.</source>
        <translation>&amp;Backup, dal più recente. Ripristinandone uno, il diario com&apos;è ora viene prima conservato come backup.</translation>
    </message>
    <message>
        <source>Choose a backup to see its days.</source>
        <translation>Scegli un backup per vederne i giorni.</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>danneggiato</translation>
    </message>
    <message>
        <source>This backup cannot be read or is damaged.</source>
        <translation>Questo backup non può essere letto o è danneggiato.</translation>
    </message>
    <message>
        <source>&amp;Days in this backup (%1), read-only:</source>
        <translation>&amp;Giorni in questo backup (%1), sola lettura:</translation>
    </message>
</context>
<context>
    <name>CTrainingDlg</name>
    <message>
        <source>Add workout</source>
        <translation>Aggiungi allenamento</translation>
    </message>
</context>
<context>
    <name>CTrayIcon</name>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Apri</translation>
    </message>
    <message>
        <source>O&amp;ptions</source>
        <translation>O&amp;pzioni</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Repminder - workout notifier</source>
        <translation>Repminder - promemoria degli allenamenti</translation>
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
        <translation>Annulla</translation>
    </message>
    <message>
        <source>User data</source>
        <translation>Dati utente</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>First name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Last name:</source>
        <translation>Cognome:</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Sicurezza</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>Confirmation:</source>
        <translation>Conferma:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Altezza:</translation>
    </message>
    <message>
        <source>cm</source>
        <translation>cm</translation>
    </message>
    <message>
        <source>Weight:</source>
        <translation>Peso:</translation>
    </message>
    <message>
        <source>Chest:</source>
        <translation>Torace:</translation>
    </message>
    <message>
        <source>Biceps:</source>
        <translation>Bicipiti:</translation>
    </message>
    <message>
        <source>Anthropometrics</source>
        <translation>Misure corporee</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Salta</translation>
    </message>
    <message>
        <source>Password and confirmation fields does not match.</source>
        <translation>La password e la conferma non coincidono.</translation>
    </message>
    <message>
        <source>Please enter a whole number.</source>
        <translation>Inserisci un numero intero.</translation>
    </message>
</context>
<context>
    <name>CYearGrid</name>
    <message>
        <source>Year %1</source>
        <translation>Anno %1</translation>
    </message>
    <message>
        <source>All workouts done</source>
        <translation>Tutti gli allenamenti fatti</translation>
    </message>
    <message>
        <source>Some workouts done</source>
        <translation>Alcuni allenamenti fatti</translation>
    </message>
    <message>
        <source>Failed only</source>
        <translation>Solo falliti</translation>
    </message>
    <message>
        <source>Planned but missed</source>
        <translation>Pianificato ma saltato</translation>
    </message>
    <message>
        <source>Planned ahead</source>
        <translation>Pianificato in anticipo</translation>
    </message>
    <message>
        <source>No workout</source>
        <translation>Nessun allenamento</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Mer</translation>
    </message>
</context>
<context>
    <name>CalendarRange</name>
    <message>
        <source>%1 (today)</source>
        <translation>%1 (oggi)</translation>
    </message>
    <message>
        <source>Range - 1 month</source>
        <translation>Intervallo - 1 mese</translation>
    </message>
    <message>
        <source>Range - 2 months</source>
        <translation>Intervallo - 2 mesi</translation>
    </message>
    <message>
        <source>Range - 3 months</source>
        <translation>Intervallo - 3 mesi</translation>
    </message>
    <message>
        <source>Range - 6 months</source>
        <translation>Intervallo - 6 mesi</translation>
    </message>
    <message>
        <source>Range - year</source>
        <translation>Intervallo - anno</translation>
    </message>
    <message>
        <source>Set...</source>
        <translation>Imposta...</translation>
    </message>
    <message>
        <source>1-st of %1</source>
        <extracomment>The first day of a month in a calendar cell; %1 is the month&apos;s name as in a date.</extracomment>
        <translation>1º %1</translation>
    </message>
</context>
<context>
    <name>ChartRange</name>
    <message>
        <source>All time</source>
        <translation>Da sempre</translation>
    </message>
    <message>
        <source>Calendar range</source>
        <translation>Intervallo del calendario</translation>
    </message>
    <message>
        <source>5 years</source>
        <translation>5 anni</translation>
    </message>
    <message>
        <source>1 year</source>
        <translation>1 anno</translation>
    </message>
    <message>
        <source>6 months</source>
        <translation>6 mesi</translation>
    </message>
    <message>
        <source>3 months</source>
        <translation>3 mesi</translation>
    </message>
</context>
<context>
    <name>ChartSummary</name>
    <message>
        <source>%1 on %2</source>
        <translation>%1 il %2</translation>
    </message>
    <message>
        <source>%1: no data</source>
        <translation>%1: nessun dato</translation>
    </message>
    <message>
        <source>%1: first %2, latest %3, best %4</source>
        <translation>%1: primo %2, ultimo %3, migliore %4</translation>
    </message>
</context>
<context>
    <name>CheckCommand</name>
    <message>
        <source>Runs the integrity check of a diary file and prints its day count and date range. Exit code 0: sound, 1: damaged or unreadable.</source>
        <translation>Esegue il controllo di integrità di un file di diario e ne stampa il numero di giorni e l&apos;intervallo di date. Codice di uscita 0: integro, 1: danneggiato o illeggibile.</translation>
    </message>
    <message>
        <source>The diary file (default: --diary or the data folder&apos;s diary).</source>
        <translation>Il file del diario (predefinito: --diary o il diario della cartella dei dati).</translation>
    </message>
    <message>
        <source>check takes one file at most.</source>
        <translation>check accetta al massimo un file.</translation>
    </message>
    <message>
        <source>%1: no such file.</source>
        <translation>%1: file inesistente.</translation>
    </message>
    <message>
        <source>
The newest sound backup is %1:
%2
Restore it with: repbook-cli restore &quot;%2&quot;</source>
        <translation>
Il backup integro più recente è %1:
%2
Ripristinalo con: repbook-cli restore &quot;%2&quot;</translation>
    </message>
    <message>
        <source>no dates</source>
        <translation>nessuna data</translation>
    </message>
    <message>
        <source>Conflict copies left by a sync engine (repbook-cli merge merges them):
</source>
        <translation>Copie in conflitto lasciate da un programma di sincronizzazione (repbook-cli merge le unisce):
</translation>
    </message>
    <message>
        <source> to </source>
        <translation> al </translation>
    </message>
    <message>
        <source>%1: sound, %2, %3
</source>
        <translation>%1: integro, %2, %3
</translation>
    </message>
</context>
<context>
    <name>Command</name>
    <message>
        <source>Work on the diary FILE instead of the one in the data folder.</source>
        <translation>Lavora sul diario FILE invece che su quello della cartella dei dati.</translation>
    </message>
    <message>
        <source>Only days on or after DATE (yyyy-MM-dd).</source>
        <translation>Solo i giorni da DATE in poi (yyyy-MM-dd).</translation>
    </message>
    <message>
        <source>Only days on or before DATE (yyyy-MM-dd).</source>
        <translation>Solo i giorni fino a DATE (yyyy-MM-dd).</translation>
    </message>
    <message>
        <source>Weights in kg or lb (default: the unit chosen in the diary&apos;s Options).</source>
        <translation>Carichi in kg o lb (predefinito: l&apos;unità scelta nelle opzioni del diario).</translation>
    </message>
    <message>
        <source>%1 (see repbook-cli %2 --help)</source>
        <translation>%1 (vedi repbook-cli %2 --help)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no date of the form yyyy-MM-dd.</source>
        <translation>«%1» non è una data nella forma yyyy-MM-dd.</translation>
    </message>
    <message>
        <source>--from %1 lies after --to %2.</source>
        <translation>--from %1 è dopo --to %2.</translation>
    </message>
    <message>
        <source>unknown unit &quot;%1&quot;; use kg or lb.</source>
        <translation>unità sconosciuta «%1»; usa kg o lb.</translation>
    </message>
    <message>
        <source>The diary %1 cannot be read.</source>
        <translation>Impossibile leggere il diario %1.</translation>
    </message>
    <message>
        <source>The diary %1 is damaged: it fails its integrity check.</source>
        <translation>Il diario %1 è danneggiato: non supera il controllo di integrità.</translation>
    </message>
    <message>
        <source>Usage: repbook-cli </source>
        <translation>Uso: repbook-cli </translation>
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
        <translation>Un altro computer ha modificato giorni modificati anche qui:
%1
Il diario mantiene la versione mostrata qui. La versione dell&apos;altro computer è stata salvata in:
%2
Nel diario, Modifica &gt; Conflitti la mostra accanto a quella del diario e ti permette di prenderla al suo posto.</translation>
    </message>
    <message>
        <source>A copy of the diary that the sync program left beside it is damaged and was not merged. It was kept as:
%1</source>
        <translation>Una copia del diario lasciata accanto dal programma di sincronizzazione è danneggiata e non è stata unita. È stata conservata come:
%1</translation>
    </message>
    <message>
        <source>Copies of the diary left by the sync program could not all be merged:
%1</source>
        <translation>Non è stato possibile unire tutte le copie del diario lasciate dal programma di sincronizzazione:
%1</translation>
    </message>
</context>
<context>
    <name>ConflictCopyMerge</name>
    <message>
        <source>%1 is damaged: it fails its integrity check.</source>
        <translation>%1 è danneggiato: non supera il controllo di integrità.</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>Impossibile leggere %1.</translation>
    </message>
    <message>
        <source>The record of what this computer agreed on with the others could not be written:
%1</source>
        <translation>Impossibile scrivere il registro di ciò che questo computer ha concordato con gli altri:
%1</translation>
    </message>
    <message>
        <source>The diary&apos;s folder cannot be written:
%1</source>
        <translation>Impossibile scrivere nella cartella del diario:
%1</translation>
    </message>
    <message>
        <source>The record of what this computer last agreed on with the others cannot be read:
%1</source>
        <translation>Impossibile leggere il registro dell&apos;ultimo accordo di questo computer con gli altri:
%1</translation>
    </message>
</context>
<context>
    <name>ConflictNotice</name>
    <message>
        <source>Days that were changed in two places (on another computer, or here in the notifier) have their other version on record:
%1
Edit &gt; Conflicts shows it beside the diary&apos;s and lets you take it instead.</source>
        <translation>I giorni modificati in due posti (su un altro computer, o qui nel promemoria) hanno l&apos;altra versione registrata:
%1
Modifica &gt; Conflitti la mostra accanto a quella del diario e ti permette di prenderla al suo posto.</translation>
    </message>
</context>
<context>
    <name>ConflictRecords</name>
    <message>
        <source>The other version of the day could not be removed from:
%1</source>
        <translation>Impossibile rimuovere l&apos;altra versione del giorno da:
%1</translation>
    </message>
</context>
<context>
    <name>ConflictsWindow</name>
    <message>
        <source>The diary window is busy. Finish what it is doing, then take the other version.</source>
        <translation>La finestra del diario è occupata. Termina ciò che sta facendo, poi prendi l&apos;altra versione.</translation>
    </message>
    <message>
        <source>Take other version %1</source>
        <translation>Prendi l&apos;altra versione %1</translation>
    </message>
</context>
<context>
    <name>CountText</name>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n giorno</numerusform>
            <numerusform>%n giorni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n workout(s)</source>
        <translation>
            <numerusform>%n allenamento</numerusform>
            <numerusform>%n allenamenti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n exercise(s)</source>
        <translation>
            <numerusform>%n esercizio</numerusform>
            <numerusform>%n esercizi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n date(s)</source>
        <translation>
            <numerusform>%n data</numerusform>
            <numerusform>%n date</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n selected day(s)</source>
        <translation>
            <numerusform>%n giorno selezionato</numerusform>
            <numerusform>%n giorni selezionati</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n new day(s)</source>
        <translation>
            <numerusform>%n nuovo giorno</numerusform>
            <numerusform>%n nuovi giorni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s)</source>
        <translation>
            <numerusform>%n riga</numerusform>
            <numerusform>%n righe</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n week(s)</source>
        <translation>
            <numerusform>%n settimana</numerusform>
            <numerusform>%n settimane</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CsvReader</name>
    <message>
        <source>Out of memory.</source>
        <translation>Memoria insufficiente.</translation>
    </message>
    <message>
        <source>Line %1 holds binary data: this is not a text file.</source>
        <translation>La riga %1 contiene dati binari: non è un file di testo.</translation>
    </message>
    <message>
        <source>Line %1 is not valid CSV: %2.</source>
        <translation>La riga %1 non è CSV valido: %2.</translation>
    </message>
    <message>
        <source>Line %1 opens a quoted field that is never closed.</source>
        <translation>La riga %1 apre un campo tra virgolette che non viene mai chiuso.</translation>
    </message>
</context>
<context>
    <name>DateListText</name>
    <message>
        <source>and %1 more</source>
        <translation>e altri %1</translation>
    </message>
</context>
<context>
    <name>DayEditing</name>
    <message>
        <source>Select workout first.</source>
        <translation>Seleziona prima un allenamento.</translation>
    </message>
    <message>
        <source>Rename workout</source>
        <translation>Rinomina allenamento</translation>
    </message>
</context>
<context>
    <name>DayEditingPanel</name>
    <message>
        <source>Exercise...	Ins</source>
        <translation>Esercizio...	Ins</translation>
    </message>
    <message>
        <source>Workout...</source>
        <translation>Allenamento...</translation>
    </message>
    <message>
        <source>Up	Ctrl + Up</source>
        <translation>Su	Ctrl + Su</translation>
    </message>
    <message>
        <source>Down	Ctrl + Down</source>
        <translation>Giù	Ctrl + Giù</translation>
    </message>
    <message>
        <source>Left	Ctrl + Left</source>
        <translation>Sinistra	Ctrl + Sinistra</translation>
    </message>
    <message>
        <source>Right	Ctrl + Right</source>
        <translation>Destra	Ctrl + Destra</translation>
    </message>
    <message>
        <source>Rename workout...</source>
        <translation>Rinomina allenamento...</translation>
    </message>
    <message>
        <source>Selected exercise(s)	Del</source>
        <translation>Esercizi selezionati	Canc</translation>
    </message>
    <message>
        <source>All exercises</source>
        <translation>Tutti gli esercizi</translation>
    </message>
    <message>
        <source>Workout</source>
        <translation>Allenamento</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <source>Mark workout as &apos;Done&apos;</source>
        <translation>Segna l&apos;allenamento come «Fatto»</translation>
    </message>
    <message>
        <source>Mark workout as &apos;Failed&apos;</source>
        <translation>Segna l&apos;allenamento come «Fallito»</translation>
    </message>
    <message>
        <source>Mark workout as &apos;Not yet&apos;</source>
        <translation>Segna l&apos;allenamento come «Non ancora»</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>Move exercise(s)</source>
        <translation>Sposta esercizi</translation>
    </message>
    <message>
        <source>Move workout</source>
        <translation>Sposta allenamento</translation>
    </message>
    <message>
        <source>Add exercise</source>
        <translation>Aggiungi esercizio</translation>
    </message>
    <message>
        <source>Remove selected exercise(s)</source>
        <translation>Rimuovi esercizi selezionati</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Sposta a sinistra</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Sposta a destra</translation>
    </message>
    <message>
        <source>Workout status</source>
        <translation>Stato dell&apos;allenamento</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Sposta su</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Sposta giù</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>DayOperations</name>
    <message>
        <source>Do you really want to remove selected day(s)?</source>
        <translation>Vuoi davvero rimuovere i giorni selezionati?</translation>
    </message>
    <message>
        <source>There are some trainings dated to this day.
If you want to swap days press &apos;Yes&apos;.
If you want to merge training days press &apos;No&apos;.
Press &apos;Cancel&apos; to do nothing.</source>
        <translation>In questo giorno ci sono già degli allenamenti.
Per scambiare i giorni premi «Sì».
Per unire i giorni di allenamento premi «No».
Premi «Annulla» per non fare nulla.</translation>
    </message>
    <message>
        <source>You have selected an empty day.
If you want to move trainings here press &apos;Yes&apos;.
If you want to make a copy of this day press &apos;No&apos;.
Press &apos;Cancel&apos; to do nothing.</source>
        <translation>Hai selezionato un giorno vuoto.
Per spostare qui gli allenamenti premi «Sì».
Per fare una copia di questo giorno premi «No».
Premi «Annulla» per non fare nulla.</translation>
    </message>
    <message>
        <source>Error! Training could not be dated to this day.</source>
        <translation>Errore! Impossibile assegnare l&apos;allenamento a questo giorno.</translation>
    </message>
    <message>
        <source>Choose the target day.</source>
        <translation>Scegli il giorno di destinazione.</translation>
    </message>
    <message>
        <source>Select the day first.</source>
        <translation>Seleziona prima il giorno.</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>Scambia</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Unisci</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Sposta</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
</context>
<context>
    <name>DayPreview</name>
    <message>
        <source>Day note</source>
        <translation>Nota del giorno</translation>
    </message>
    <message>
        <source>No note</source>
        <translation>Nessuna nota</translation>
    </message>
    <message>
        <source>Workout area</source>
        <translation>Area dell&apos;allenamento</translation>
    </message>
    <message>
        <source>To add notes to selected day press &quot;Notes&quot; button.</source>
        <translation>Per aggiungere note al giorno selezionato premi il pulsante «Note».</translation>
    </message>
</context>
<context>
    <name>DayPrintDocument</name>
    <message>
        <source>Exercise</source>
        <translation>Esercizio</translation>
    </message>
    <message>
        <source>Sets</source>
        <translation>Serie</translation>
    </message>
    <message>
        <source>Reps</source>
        <translation>Rip.</translation>
    </message>
    <message>
        <source>Forced</source>
        <translation>Forzate</translation>
    </message>
    <message>
        <source>Negative</source>
        <translation>Negative</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Carico</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>No exercises.</source>
        <translation>Nessun esercizio.</translation>
    </message>
    <message>
        <source>No workouts.</source>
        <translation>Nessun allenamento.</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Pagina %1 di %2</translation>
    </message>
    <message>
        <source> (continued)</source>
        <translation> (continua)</translation>
    </message>
</context>
<context>
    <name>DesktopNotification</name>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
</context>
<context>
    <name>DiaryBackups</name>
    <message>
        <source>The diary file could not be read for a backup:
%1</source>
        <translation>Impossibile leggere il file del diario per un backup:
%1</translation>
    </message>
    <message>
        <source>A backup of the diary could not be written in:
%1</source>
        <translation>Impossibile scrivere un backup del diario in:
%1</translation>
    </message>
    <message>
        <source>the backup of %1 with 1 day</source>
        <translation>il backup del %1 con 1 giorno</translation>
    </message>
    <message>
        <source>the backup of %1 with %2 days</source>
        <translation>il backup del %1 con %2 giorni</translation>
    </message>
    <message>
        <source>The backup cannot be read or is damaged:
%1</source>
        <translation>Impossibile leggere il backup, oppure è danneggiato:
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
        <translation>%1 non è un numero intero</translation>
    </message>
    <message>
        <source>unreadable date &quot;%1&quot;</source>
        <translation>data illeggibile «%1»</translation>
    </message>
    <message>
        <source>positions of workout and exercise must count from 1</source>
        <translation>le posizioni di allenamento ed esercizio devono contare da 1</translation>
    </message>
    <message>
        <source>unknown workout status &quot;%1&quot;</source>
        <translation>stato dell&apos;allenamento sconosciuto «%1»</translation>
    </message>
    <message>
        <source>unknown exercise status &quot;%1&quot;</source>
        <translation>stato dell&apos;esercizio sconosciuto «%1»</translation>
    </message>
    <message>
        <source>unreadable weight &quot;%1&quot;</source>
        <translation>peso illeggibile «%1»</translation>
    </message>
    <message>
        <source>Line %1: the header lacks the column &quot;%2&quot;.</source>
        <translation>Riga %1: nell&apos;intestazione manca la colonna «%2».</translation>
    </message>
</context>
<context>
    <name>DiaryExchange</name>
    <message>
        <source>Export only the %1?

Yes: the selected days.
No: the whole diary (%2).</source>
        <translation>Esportare solo %1?

Sì: i giorni selezionati.
No: l&apos;intero diario (%2).</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;JSON files (*.json);;All files (*)</source>
        <translation>File CSV (*.csv);;File JSON (*.json);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importa</translation>
    </message>
    <message>
        <source>Training log exports: Repbook, Strong, Hevy, FitNotes, LiftLog (*.csv *.json);;All files (*)</source>
        <translation>Esportazioni di diari di allenamento: Repbook, Strong, Hevy, FitNotes, LiftLog (*.csv *.json);;Tutti i file (*)</translation>
    </message>
</context>
<context>
    <name>DiaryExport</name>
    <message>
        <source>It is a folder.</source>
        <translation>È una cartella.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>La cartella %1 non esiste.</translation>
    </message>
    <message>
        <source>The file is write-protected.</source>
        <translation>Il file è protetto da scrittura.</translation>
    </message>
    <message>
        <source>You may not create files in the folder %1.</source>
        <translation>Non hai il permesso di creare file nella cartella %1.</translation>
    </message>
    <message>
        <source>It is no ordinary file.</source>
        <translation>Non è un file normale.</translation>
    </message>
    <message>
        <source>The folder %1 takes no new files.</source>
        <translation>La cartella %1 non accetta nuovi file.</translation>
    </message>
    <message>
        <source>The export could not be written to:
%1
%2</source>
        <translation>Impossibile scrivere l&apos;esportazione in:
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
        <translation>%1 contiene già un diario, forse di un altro computer.

Sì: usa quel diario. Il diario di questo computer resta dov&apos;è, inutilizzato.
No: unisci in esso il diario di questo computer, giorno per giorno. Dove entrambi hanno un giorno con altri dati, viene mantenuto il giorno di quel diario e quello di questo computer viene salvato accanto.
Annulla: lascia il diario dov&apos;è.</translation>
    </message>
    <message>
        <source>Diary folder</source>
        <translation>Cartella del diario</translation>
    </message>
    <message>
        <source>
The diary stays where it is.</source>
        <translation>
Il diario resta dov&apos;è.</translation>
    </message>
    <message>
        <source>The diary is now in:
%1

The files in %2 were left as they were; remove them once you no longer need them.</source>
        <translation>Il diario ora si trova in:
%1

I file in %2 sono rimasti com&apos;erano; rimuovili quando non ti servono più.</translation>
    </message>
    <message>
        <source>

The ignore file .stignore could not be written there: keep *.lock files and the Backups folder out of the sync by hand.</source>
        <translation>

Impossibile scrivere lì il file di esclusione .stignore: escludi a mano dalla sincronizzazione i file *.lock e la cartella Backups.</translation>
    </message>
    <message>
        <source>

Days that both diaries hold with other entries kept the folder&apos;s version; this computer&apos;s were saved in:
%1
Edit &gt; Conflicts shows them beside the folder&apos;s and lets you take them instead.</source>
        <translation>

I giorni che entrambi i diari hanno con altri dati hanno mantenuto la versione della cartella; quelli di questo computer sono stati salvati in:
%1
Modifica &gt; Conflitti li mostra accanto a quelli della cartella e permette di prenderli al loro posto.</translation>
    </message>
</context>
<context>
    <name>DiaryFolderSwitch</name>
    <message>
        <source>%1 could not be copied to:
%2</source>
        <translation>Impossibile copiare %1 in:
%2</translation>
    </message>
    <message>
        <source>The diary %1 cannot be read or is damaged.</source>
        <translation>Impossibile leggere il diario %1, oppure è danneggiato.</translation>
    </message>
</context>
<context>
    <name>DiaryHistory</name>
    <message>
        <source>&quot;%1 %2&quot; is not possible: another program (the notifier or the command-line tool) has changed %3 since. Doing it would throw that change away.</source>
        <translation>«%1 %2» non è possibile: un altro programma (il promemoria o lo strumento da riga di comando) ha modificato %3 nel frattempo. Farlo annullerebbe quella modifica.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ripeti</translation>
    </message>
</context>
<context>
    <name>DiaryImport</name>
    <message>
        <source>%1: %2 with %3 to add (%4)%5; %6 already in the diary; %7 skipped.</source>
        <translation>%1: %2 con %3 da aggiungere (%4)%5; %6 già nel diario; %7 saltate.</translation>
    </message>
    <message>
        <source>Added %1 with %2 (%3)%4.</source>
        <translation>Aggiunti %1 con %2 (%3)%4.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>dal %1 al %2</translation>
    </message>
    <message>
        <source>(no date)</source>
        <translation>(senza data)</translation>
    </message>
    <message>
        <source>%1  new day, %2, %3; %4 already there</source>
        <translation>%1  nuovo giorno, %2, %3; %4 già presente/i</translation>
    </message>
    <message>
        <source>%1  adds %2, %3; %4 already there</source>
        <translation>%1  aggiunge %2, %3; %4 già presente/i</translation>
    </message>
    <message>
        <source>line %1 skipped: %2</source>
        <translation>riga %1 saltata: %2</translation>
    </message>
</context>
<context>
    <name>DiaryJson</name>
    <message>
        <source>a day must be an object</source>
        <translation>un giorno deve essere un oggetto</translation>
    </message>
    <message>
        <source>Day %1 of the file: %2.</source>
        <translation>Giorno %1 del file: %2.</translation>
    </message>
    <message>
        <source>unreadable date</source>
        <translation>data illeggibile</translation>
    </message>
    <message>
        <source>unknown status &quot;%1&quot;</source>
        <translation>stato sconosciuto «%1»</translation>
    </message>
    <message>
        <source>Line %1 is not valid JSON: %2.</source>
        <translation>La riga %1 non è JSON valido: %2.</translation>
    </message>
    <message>
        <source>Line 1: this JSON file is no Repbook diary export.</source>
        <translation>Riga 1: questo file JSON non è un&apos;esportazione di un diario Repbook.</translation>
    </message>
    <message>
        <source>Line 1: the file was written by a newer Repbook (version %1).</source>
        <translation>Riga 1: il file è stato scritto da un Repbook più recente (versione %1).</translation>
    </message>
    <message>
        <source>Line 1: unknown weight unit &quot;%1&quot;.</source>
        <translation>Riga 1: unità di peso sconosciuta «%1».</translation>
    </message>
</context>
<context>
    <name>DiarySaving</name>
    <message>
        <source>The diary file had been damaged outside the program. It was kept as:
%1
The diary was saved again from the days shown here.</source>
        <translation>Il file del diario è stato danneggiato fuori dal programma. È stato conservato come:
%1
Il diario è stato salvato di nuovo dai giorni mostrati qui.</translation>
    </message>
    <message>
        <source>
Your changes are kept while the program runs, and saving is tried again every minute.</source>
        <translation>
Le tue modifiche restano finché il programma è in esecuzione, e il salvataggio viene ritentato ogni minuto.</translation>
    </message>
    <message>
        <source>
The diary itself is saved as usual; the backup is tried again at the next save.</source>
        <translation>
Il diario viene salvato come sempre; il backup verrà ritentato al prossimo salvataggio.</translation>
    </message>
    <message>
        <source>Not saved: the days of %1.</source>
        <translation>Non salvati: i giorni di %1.</translation>
    </message>
    <message>
        <source>%1
%2

Retry, exit without saving (Discard), or go back to the diary (Cancel)?</source>
        <translation>%1
%2

Riprovare, uscire senza salvare (Scarta) o tornare al diario (Annulla)?</translation>
    </message>
    <message>
        <source>Another program changed days that were also changed here:
%1
The diary keeps the version shown here. The other version was saved in:
%2
Edit &gt; Conflicts shows it beside the diary&apos;s and lets you take it instead.</source>
        <translation>Un altro programma ha modificato giorni modificati anche qui:
%1
Il diario mantiene la versione mostrata qui. L&apos;altra versione è stata salvata in:
%2
Modifica &gt; Conflitti la mostra accanto a quella del diario e permette di prenderla al suo posto.</translation>
    </message>
</context>
<context>
    <name>EditorControls</name>
    <message>
        <source>New...	Ctrl + N</source>
        <translation>Nuovo...	Ctrl + N</translation>
    </message>
    <message>
        <source>Open...	Ctrl + O</source>
        <translation>Apri...	Ctrl + O</translation>
    </message>
    <message>
        <source>Close	Ctrl + W</source>
        <translation>Chiudi	Ctrl + W</translation>
    </message>
    <message>
        <source>Save	Ctrl + S</source>
        <translation>Salva	Ctrl + S</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>Salva con nome...</translation>
    </message>
    <message>
        <source>Exit	Ctrl + X</source>
        <translation>Esci	Ctrl + X</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Giorno</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Su</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Giù</translation>
    </message>
    <message>
        <source>Selected exercise(s)	Del</source>
        <translation>Esercizi selezionati	Canc</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Aggiungi</translation>
    </message>
    <message>
        <source>Move day</source>
        <translation>Sposta giorno</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Rimuovi</translation>
    </message>
    <message>
        <source>Workout...</source>
        <translation>Allenamento...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Remove selected exercise(s) or day(s)</source>
        <translation>Rimuovi esercizi o giorni selezionati</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
</context>
<context>
    <name>ExchangeFields</name>
    <message>
        <source>%1 outside %2..%3</source>
        <translation>%1 fuori da %2..%3</translation>
    </message>
    <message>
        <source>sets</source>
        <translation>serie</translation>
    </message>
    <message>
        <source>reps</source>
        <translation>ripetizioni</translation>
    </message>
    <message>
        <source>forced reps</source>
        <translation>ripetizioni forzate</translation>
    </message>
    <message>
        <source>negative reps</source>
        <translation>ripetizioni negative</translation>
    </message>
    <message>
        <source>weight outside 0..%1 kg</source>
        <translation>peso fuori da 0..%1 kg</translation>
    </message>
</context>
<context>
    <name>ExerciseColumns</name>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Exercise</source>
        <translation>Esercizio</translation>
    </message>
    <message>
        <source>Sets</source>
        <translation>Serie</translation>
    </message>
    <message>
        <source>Reps</source>
        <translation>Rip.</translation>
    </message>
    <message>
        <source>Forced</source>
        <translation>Forzate</translation>
    </message>
    <message>
        <source>Negative</source>
        <translation>Negative</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Carico</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
</context>
<context>
    <name>ExerciseHistory</name>
    <message>
        <source>Heaviest weight</source>
        <translation>Carico massimo</translation>
    </message>
    <message>
        <source>Estimated 1RM</source>
        <translation>1RM stimato</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Most repetitions</source>
        <translation>Più ripetizioni</translation>
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
        <translation>csv (predefinito) o json.</translation>
    </message>
    <message>
        <source>Write to FILE instead of standard output.</source>
        <translation>Scrivi su FILE invece che sull&apos;output standard.</translation>
    </message>
    <message>
        <source>Writes the diary, or the days of a date range, as CSV or JSON.</source>
        <translation>Scrive il diario, o i giorni di un intervallo di date, in CSV o JSON.</translation>
    </message>
    <message>
        <source>export takes no file argument; use --output.</source>
        <translation>export non accetta file come argomento; usa --output.</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot;.</source>
        <translation>formato sconosciuto «%1».</translation>
    </message>
    <message>
        <source>The export could not be written to standard output.</source>
        <translation>Impossibile scrivere l&apos;esportazione sull&apos;output standard.</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>Training program files (*.rpp);;All files (*)</source>
        <translation>File di programmi di allenamento (*.rpp);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>PNG images (*.png);;All files (*)</source>
        <translation>Immagini PNG (*.png);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
</context>
<context>
    <name>FindCommand</name>
    <message>
        <source>Prints the workouts, exercises and notes that contain TEXT, newest first. Case and accents do not matter.</source>
        <translation>Stampa gli allenamenti, gli esercizi e le note che contengono TEXT, dal più recente. Maiuscole e accenti non contano.</translation>
    </message>
    <message>
        <source>The text to find.</source>
        <translation>Il testo da trovare.</translation>
    </message>
    <message>
        <source>find takes exactly one text (quote a text with spaces).</source>
        <translation>find accetta esattamente un testo (metti tra virgolette un testo con spazi).</translation>
    </message>
    <message>
        <source>find needs a text to look for.</source>
        <translation>find ha bisogno di un testo da cercare.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not found.</source>
        <translation>«%1» non trovato.</translation>
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
        <translation>Dove</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
</context>
<context>
    <name>ImportCommand</name>
    <message>
        <source>&quot;%1&quot; is no exercise of the diary; the closest is &quot;%2&quot; (--map &quot;%1=%2&quot; joins them).
</source>
        <translation>«%1» non è un esercizio del diario; il più simile è «%2» (--map &quot;%1=%2&quot; li collega).
</translation>
    </message>
    <message>
        <source>auto (default), csv, json, strong, hevy, fitnotes or liftlog.</source>
        <translation>auto (predefinito), csv, json, strong, hevy, fitnotes o liftlog.</translation>
    </message>
    <message>
        <source>Joins an exercise name of the file to one of the diary, as &quot;NAME IN THE FILE=DIARY NAME&quot; (repeatable; overrides a remembered choice for this run).</source>
        <translation>Collega un nome di esercizio del file a uno del diario, come &quot;NAME IN THE FILE=DIARY NAME&quot; (ripetibile; sostituisce una scelta ricordata per questa esecuzione).</translation>
    </message>
    <message>
        <source>Only print what would be added.</source>
        <translation>Stampa solo ciò che verrebbe aggiunto.</translation>
    </message>
    <message>
        <source>Also print a line for every date.</source>
        <translation>Stampa anche una riga per ogni data.</translation>
    </message>
    <message>
        <source>Adds the workouts of a Repbook CSV or JSON export, or of a CSV export of Strong, Hevy, FitNotes or LiftLog, to the diary. Workouts already in the diary are left out. Safe while Repbook or Repminder runs.</source>
        <translation>Aggiunge al diario gli allenamenti di un&apos;esportazione CSV o JSON di Repbook, o di un&apos;esportazione CSV di Strong, Hevy, FitNotes o LiftLog. Gli allenamenti già nel diario vengono esclusi. Sicuro mentre Repbook o Repminder sono in esecuzione.</translation>
    </message>
    <message>
        <source>The file to import.</source>
        <translation>Il file da importare.</translation>
    </message>
    <message>
        <source>import takes exactly one file.</source>
        <translation>import accetta esattamente un file.</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot;.</source>
        <translation>formato sconosciuto «%1».</translation>
    </message>
    <message>
        <source>--map &quot;%1&quot; is not &quot;NAME IN THE FILE=DIARY NAME&quot;.</source>
        <translation>--map &quot;%1&quot; non è nella forma &quot;NAME IN THE FILE=DIARY NAME&quot;.</translation>
    </message>
    <message>
        <source>The diary %1 cannot be read.</source>
        <translation>Impossibile leggere il diario %1.</translation>
    </message>
    <message>
        <source>Nothing to add.
</source>
        <translation>Niente da aggiungere.
</translation>
    </message>
    <message>
        <source>Days changed meanwhile by another program were kept in %1.</source>
        <translation>I giorni modificati nel frattempo da un altro programma sono stati conservati in %1.</translation>
    </message>
</context>
<context>
    <name>ImportNameMap</name>
    <message>
        <source>The choices of exercise names could not be saved in %1.</source>
        <translation>Impossibile salvare le scelte dei nomi degli esercizi in %1.</translation>
    </message>
</context>
<context>
    <name>ImportSource</name>
    <message>
        <source>Line 1: the file has no header.</source>
        <translation>Riga 1: il file non ha intestazione.</translation>
    </message>
    <message>
        <source>Line 1: the file is empty.</source>
        <translation>Riga 1: il file è vuoto.</translation>
    </message>
    <message>
        <source>Line 1: the file is no export that Repbook can read (a Repbook CSV or JSON file, or a CSV export of Strong, Hevy, FitNotes or LiftLog).</source>
        <translation>Riga 1: il file non è un&apos;esportazione che Repbook sa leggere (un file CSV o JSON di Repbook, oppure un&apos;esportazione CSV di Strong, Hevy, FitNotes o LiftLog).</translation>
    </message>
    <message>
        <source>%1 is too large to import (%2 MB; at most %3 MB).</source>
        <translation>%1 è troppo grande per essere importato (%2 MB; al massimo %3 MB).</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>Impossibile leggere %1.</translation>
    </message>
    <message>
        <source>%1 cannot be imported.
%2</source>
        <translation>Impossibile importare %1.
%2</translation>
    </message>
</context>
<context>
    <name>LaunchDiary</name>
    <message>
        <source>The diary program could not be started:
%1</source>
        <translation>Impossibile avviare il programma del diario:
%1</translation>
    </message>
</context>
<context>
    <name>LiftLogExport</name>
    <message>
        <source>Line %1: the header is not that of a %2 file.</source>
        <translation>Riga %1: l&apos;intestazione non è quella di un file %2.</translation>
    </message>
    <message>
        <source>unreadable timestamp &quot;%1&quot;</source>
        <translation>data e ora illeggibili «%1»</translation>
    </message>
    <message>
        <source>unreadable number</source>
        <translation>numero illeggibile</translation>
    </message>
    <message>
        <source>unknown unit &quot;%1&quot;</source>
        <translation>unità sconosciuta «%1»</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importa...</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Esporta...</translation>
    </message>
    <message>
        <source>P&amp;rint preview</source>
        <translation>Antep&amp;rima di stampa</translation>
    </message>
    <message>
        <source>&amp;Print	Ctrl + P</source>
        <translation>&amp;Stampa	Ctrl + P</translation>
    </message>
    <message>
        <source>Restore from &amp;backup...</source>
        <translation>Ripristina da &amp;backup...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl + Z</source>
        <translation>&amp;Annulla	Ctrl + Z</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl + Y</source>
        <translation>&amp;Ripeti	Ctrl + Y</translation>
    </message>
    <message>
        <source>View...	Return</source>
        <translation>Vedi...	Invio</translation>
    </message>
    <message>
        <source>Notes...	Ctrl + N</source>
        <translation>Note...	Ctrl + N</translation>
    </message>
    <message>
        <source>&amp;Add workout...	Ins</source>
        <translation>A&amp;ggiungi allenamento...	Ins</translation>
    </message>
    <message>
        <source>&amp;Move selected</source>
        <translation>&amp;Sposta selezione</translation>
    </message>
    <message>
        <source>&amp;Remove selected	Del</source>
        <translation>&amp;Rimuovi selezione	Canc</translation>
    </message>
    <message>
        <source>&amp;Find...	Ctrl + F</source>
        <translation>&amp;Trova...	Ctrl + F</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>Go to</source>
        <translation>Vai a</translation>
    </message>
    <message>
        <source>Today	Ctrl + Return</source>
        <translation>Oggi	Ctrl + Invio</translation>
    </message>
    <message>
        <source>First day	Ctrl + Home</source>
        <translation>Primo giorno	Ctrl + Inizio</translation>
    </message>
    <message>
        <source>Previous day	Ctrl + Left</source>
        <translation>Giorno precedente	Ctrl + Sinistra</translation>
    </message>
    <message>
        <source>Next day	Ctrl + Right</source>
        <translation>Giorno successivo	Ctrl + Destra</translation>
    </message>
    <message>
        <source>Last day	Ctrl + End</source>
        <translation>Ultimo giorno	Ctrl + Fine</translation>
    </message>
    <message>
        <source>&amp;Refresh	F5</source>
        <translation>A&amp;ggiorna	F5</translation>
    </message>
    <message>
        <source>Set range...</source>
        <translation>Imposta intervallo...</translation>
    </message>
    <message>
        <source>&amp;Selection to range	Ctrl + R</source>
        <translation>&amp;Selezione come intervallo	Ctrl + R</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>S&amp;trumenti</translation>
    </message>
    <message>
        <source>&amp;Editor...	Ctrl + E</source>
        <translation>&amp;Editor...	Ctrl + E</translation>
    </message>
    <message>
        <source>Apply program...	Ctrl + Space</source>
        <translation>Applica programma...	Ctrl + Spazio</translation>
    </message>
    <message>
        <source>&amp;Progress...	Ctrl + G</source>
        <translation>&amp;Progressi...	Ctrl + G</translation>
    </message>
    <message>
        <source>User...</source>
        <translation>Utente...</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Opzioni...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;About Repbook...</source>
        <translation>&amp;Informazioni su Repbook...</translation>
    </message>
    <message>
        <source>&amp;Conflicts...</source>
        <translation>&amp;Conflitti...</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Vedi</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Sposta</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Primo</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Precedente</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Successivo</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Ultimo</translation>
    </message>
    <message>
        <source>Editor</source>
        <translation>Editor</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Note</translation>
    </message>
</context>
<context>
    <name>MergeCommand</name>
    <message>
        <source>Only print what would be merged.</source>
        <translation>Stampa solo ciò che verrebbe unito.</translation>
    </message>
    <message>
        <source>%1: already merged, %2</source>
        <translation>%1: già unito, %2</translation>
    </message>
    <message>
        <source>%1: damaged (fails its integrity check), not merged</source>
        <translation>%1: danneggiato (non supera il controllo di integrità), non unito</translation>
    </message>
    <message>
        <source>%1: cannot be read, not merged</source>
        <translation>%1: illeggibile, non unito</translation>
    </message>
    <message>
        <source>; changed on both sides, the diary&apos;s days kept: %1</source>
        <translation>; modificati da entrambe le parti, mantenuti i giorni del diario: %1</translation>
    </message>
    <message>
        <source>Merges the conflict copies that a sync engine (Syncthing, Nextcloud, Dropbox) left beside the diary and its name lists, by date, then removes them. A date changed on both sides keeps the diary&apos;s days; the copy&apos;s are kept in a conflict file beside the diary. Exit code 0: merged or nothing to merge, 1: a copy could not be merged (nothing is written then). Safe while Repbook or Repminder runs.</source>
        <translation>Unisce per data le copie in conflitto che un programma di sincronizzazione (Syncthing, Nextcloud, Dropbox) ha lasciato accanto al diario e ai suoi elenchi di nomi, poi le rimuove. Una data modificata da entrambe le parti mantiene i giorni del diario; quelli della copia vengono conservati in un file di conflitto accanto al diario. Codice di uscita 0: unito o niente da unire, 1: una copia non è stata unita (allora non viene scritto nulla). Sicuro mentre Repbook o Repminder sono in esecuzione.</translation>
    </message>
    <message>
        <source>merge takes no file; use --diary.</source>
        <translation>merge non accetta file; usa --diary.</translation>
    </message>
    <message>
        <source>Nothing to merge.
</source>
        <translation>Niente da unire.
</translation>
    </message>
    <message>
        <source>%1: names merged</source>
        <translation>%1: nomi uniti</translation>
    </message>
    <message>
        <source>%1 names would be added to the name lists</source>
        <translation>%1 nomi verrebbero aggiunti agli elenchi dei nomi</translation>
    </message>
    <message>
        <source>%1 names added to the name lists</source>
        <translation>%1 nomi aggiunti agli elenchi dei nomi</translation>
    </message>
    <message>
        <source>The copies&apos; days of dates changed on both sides are kept in %1</source>
        <translation>I giorni delle copie nelle date modificate da entrambe le parti sono conservati in %1</translation>
    </message>
    <message>
        <source>
Nothing was merged.</source>
        <translation>
Non è stato unito nulla.</translation>
    </message>
    <message>
        <source>%1: would take %2 dates</source>
        <translation>%1: prenderebbe %2 date</translation>
    </message>
    <message>
        <source>%1: took %2 dates</source>
        <translation>%1: prese %2 date</translation>
    </message>
</context>
<context>
    <name>PeerExports</name>
    <message>
        <source>unreadable date &quot;%1&quot;</source>
        <translation>data illeggibile «%1»</translation>
    </message>
    <message>
        <source>unreadable number</source>
        <translation>numero illeggibile</translation>
    </message>
    <message>
        <source>Line %1: the header is not that of a %2 file.</source>
        <translation>Riga %1: l&apos;intestazione non è quella di un file %2.</translation>
    </message>
</context>
<context>
    <name>PeriodPoints</name>
    <message>
        <source>One point per week: the sum of each week.</source>
        <translation>Un punto per settimana: la somma di ogni settimana.</translation>
    </message>
    <message>
        <source>One point per week: the best of each week.</source>
        <translation>Un punto per settimana: il migliore di ogni settimana.</translation>
    </message>
    <message>
        <source>One point per month: the sum of each month.</source>
        <translation>Un punto per mese: la somma di ogni mese.</translation>
    </message>
    <message>
        <source>One point per month: the best of each month.</source>
        <translation>Un punto per mese: il migliore di ogni mese.</translation>
    </message>
</context>
<context>
    <name>PrintedDay</name>
    <message>
        <source>Undated day</source>
        <translation>Giorno senza data</translation>
    </message>
    <message>
        <source>dddd, d MMMM yyyy</source>
        <translation>dddd d MMMM yyyy</translation>
    </message>
</context>
<context>
    <name>ProgramApplication</name>
    <message>
        <source>Apply program</source>
        <translation>Applica programma</translation>
    </message>
</context>
<context>
    <name>ProgramDayList</name>
    <message>
        <source>Program days</source>
        <translation>Giorni del programma</translation>
    </message>
    <message>
        <source>Day %1</source>
        <translation>Giorno %1</translation>
    </message>
</context>
<context>
    <name>ProgramFile</name>
    <message>
        <source>Save changes?</source>
        <translation>Salvare le modifiche?</translation>
    </message>
    <message>
        <source>Error! File is corrupted.</source>
        <translation>Errore! Il file è danneggiato.</translation>
    </message>
    <message>
        <source>Error! The program could not be saved to
%1</source>
        <translation>Errore! Impossibile salvare il programma in
%1</translation>
    </message>
</context>
<context>
    <name>ProgressStatus</name>
    <message>
        <source>Not yet</source>
        <translation>Non ancora</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fatto</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Fallito</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>none yet</source>
        <translation>nessuno ancora</translation>
    </message>
</context>
<context>
    <name>RangeControls</name>
    <message>
        <source>Range</source>
        <translation>Intervallo</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendario</translation>
    </message>
    <message>
        <source>dates in the range</source>
        <translation>date nell&apos;intervallo</translation>
    </message>
    <message>
        <source>Range of the calendar: %1 to %2</source>
        <translation>Intervallo del calendario: dal %1 al %2</translation>
    </message>
</context>
<context>
    <name>RecordsCommand</name>
    <message>
        <source>Count Failed exercises as well as Done.</source>
        <translation>Conta gli esercizi falliti come quelli fatti.</translation>
    </message>
    <message>
        <source>%1 x %2</source>
        <translation>%1 x %2</translation>
    </message>
    <message>
        <source>Estimated 1RM</source>
        <translation>1RM stimato</translation>
    </message>
    <message>
        <source>Highest day volume</source>
        <translation>Volume giornaliero più alto</translation>
    </message>
    <message>
        <source>Most reps, weight 0</source>
        <translation>Più ripetizioni, carico 0</translation>
    </message>
    <message>
        <source>Prints the personal records of an exercise, or of every performed exercise, most recently trained first.</source>
        <translation>Stampa i record personali di un esercizio, o di ogni esercizio eseguito, dal più recentemente allenato.</translation>
    </message>
    <message>
        <source>The exercise (case and surrounding spaces do not matter); all exercises when left out.</source>
        <translation>L&apos;esercizio (maiuscole e spazi intorno non contano); tutti gli esercizi se omesso.</translation>
    </message>
    <message>
        <source>records takes one exercise at most (quote a name with spaces).</source>
        <translation>records accetta al massimo un esercizio (metti tra virgolette un nome con spazi).</translation>
    </message>
    <message>
        <source>No exercise is marked Done in the diary yet.</source>
        <translation>Nel diario nessun esercizio è ancora segnato come fatto.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was never done.</source>
        <translation>«%1» non è mai stato fatto.</translation>
    </message>
    <message>
        <source>Heaviest, %1 rep</source>
        <translation>Più pesante, %1 rip.</translation>
    </message>
    <message>
        <source>Heaviest, %1 reps</source>
        <translation>Più pesante, %1 rip.</translation>
    </message>
</context>
<context>
    <name>RecordsTable</name>
    <message>
        <source>Record</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Migliore</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Heaviest, 1 rep</source>
        <translation>Più pesante, 1 rip.</translation>
    </message>
    <message>
        <source>Heaviest, %1 reps</source>
        <translation>Più pesante, %1 rip.</translation>
    </message>
    <message>
        <source>Estimated 1RM</source>
        <translation>1RM stimato</translation>
    </message>
    <message>
        <source>Highest day volume</source>
        <translation>Volume giornaliero più alto</translation>
    </message>
    <message>
        <source>Most reps, weight 0</source>
        <translation>Più ripetizioni, carico 0</translation>
    </message>
</context>
<context>
    <name>ReminderScheduler</name>
    <message>
        <source>You have a workout today</source>
        <translation>Oggi hai un allenamento</translation>
    </message>
    <message>
        <source>Get workout plan by clicking on this message.</source>
        <translation>Fai clic su questo messaggio per vedere il piano di allenamento.</translation>
    </message>
    <message>
        <source>Fill in workout</source>
        <translation>Compila l&apos;allenamento</translation>
    </message>
    <message>
        <source>Click on this message to fill in your workout results.</source>
        <translation>Fai clic su questo messaggio per inserire i risultati del tuo allenamento.</translation>
    </message>
</context>
<context>
    <name>RestoreFlow</name>
    <message>
        <source>Replace the diary by the backup %1?
The diary as it is now is kept as a backup first, and Undo brings it back.</source>
        <translation>Sostituire il diario con il backup %1?
Il diario com&apos;è ora viene prima conservato come backup, e Annulla lo riporta indietro.</translation>
    </message>
    <message>
        <source>
Nothing was restored: the diary as it is now could not be kept first.</source>
        <translation>
Non è stato ripristinato nulla: non è stato possibile conservare prima il diario attuale.</translation>
    </message>
    <message>
        <source>Restore backup</source>
        <translation>Ripristina backup</translation>
    </message>
    <message>
        <source>
The restored days are shown, and saving is tried again every minute.</source>
        <translation>
I giorni ripristinati sono mostrati, e il salvataggio viene ritentato ogni minuto.</translation>
    </message>
    <message>
        <source>The diary was restored from:
%1</source>
        <translation>Il diario è stato ripristinato da:
%1</translation>
    </message>
    <message>
        <source>
The diary as it was is kept as:
%1</source>
        <translation>
Il diario com&apos;era è conservato come:
%1</translation>
    </message>
    <message>
        <source>
Days another program had changed meanwhile are kept in:
%1</source>
        <translation>
I giorni modificati nel frattempo da un altro programma sono conservati in:
%1</translation>
    </message>
</context>
<context>
    <name>SetCollector</name>
    <message>
        <source>unreadable date</source>
        <translation>data illeggibile</translation>
    </message>
    <message>
        <source>no exercise name</source>
        <translation>nessun nome di esercizio</translation>
    </message>
    <message>
        <source>time or distance only</source>
        <translation>solo tempo o distanza</translation>
    </message>
    <message>
        <source>no weight and no reps</source>
        <translation>né peso né ripetizioni</translation>
    </message>
    <message>
        <source>weight %1 kg outside 0..%2 kg</source>
        <translation>peso %1 kg fuori da 0..%2 kg</translation>
    </message>
</context>
<context>
    <name>SharedDiaryFile</name>
    <message>
        <source>The diary file cannot be read:
%1</source>
        <translation>Impossibile leggere il file del diario:
%1</translation>
    </message>
    <message>
        <source>Days changed on both sides could not be kept in:
%1</source>
        <translation>Impossibile conservare i giorni modificati da entrambe le parti in:
%1</translation>
    </message>
    <message>
        <source>The diary is not bound to a file.</source>
        <translation>Il diario non è collegato a un file.</translation>
    </message>
    <message>
        <source>The diary file is being saved by another program:
%1</source>
        <translation>Un altro programma sta salvando il file del diario:
%1</translation>
    </message>
    <message>
        <source>The diary could not be saved to:
%1</source>
        <translation>Impossibile salvare il diario in:
%1</translation>
    </message>
    <message>
        <source>The damaged diary file could not be set aside:
%1</source>
        <translation>Impossibile mettere da parte il file del diario danneggiato:
%1</translation>
    </message>
</context>
<context>
    <name>StatusCheck</name>
    <message>
        <source>Some exercises in &apos;%1&apos; workout are marked as &apos;%2&apos;, but workout itself is marked as &apos;%3&apos;.
Do you want to mark workout as &apos;%4&apos;?</source>
        <translation>Alcuni esercizi dell&apos;allenamento «%1» sono segnati come «%2», ma l&apos;allenamento stesso è segnato come «%3».
Vuoi segnare l&apos;allenamento come «%4»?</translation>
    </message>
    <message>
        <source>All exercises in &apos;%1&apos; workout are marked as &apos;%2&apos;, but workout itself is marked as &apos;%3&apos;.
Do you want to mark workout as &apos;%4&apos;?</source>
        <translation>Tutti gli esercizi dell&apos;allenamento «%1» sono segnati come «%2», ma l&apos;allenamento stesso è segnato come «%3».
Vuoi segnare l&apos;allenamento come «%4»?</translation>
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
        <translation>Per aggiungere note seleziona prima un giorno.</translation>
    </message>
    <message>
        <source>Do you want to apply the last edited program to selected range?</source>
        <translation>Vuoi applicare l&apos;ultimo programma modificato all&apos;intervallo selezionato?</translation>
    </message>
</context>
<context>
    <name>WindowHistory</name>
    <message>
        <source>Mark </source>
        <translation>Segna </translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Usage: repbook-cli [--diary FILE] COMMAND [options]

Works on the Repbook diary from scripts.

Commands:
</source>
        <translation>Uso: repbook-cli [--diary FILE] COMMAND [options]

Lavora sul diario di Repbook dagli script.

Comandi:
</translation>
    </message>
    <message>
        <source>
repbook-cli COMMAND --help describes a command&apos;s options. Exit codes: 0 done, 1 failed, 2 bad usage.
</source>
        <translation>
repbook-cli COMMAND --help descrive le opzioni di un comando. Codici di uscita: 0 fatto, 1 fallito, 2 uso errato.
</translation>
    </message>
    <message>
        <source>--diary needs a FILE</source>
        <translation>--diary richiede un FILE</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot; before the command</source>
        <translation>opzione sconosciuta «%1» prima del comando</translation>
    </message>
    <message>
        <source>a command is missing after %1</source>
        <translation>manca un comando dopo %1</translation>
    </message>
    <message>
        <source> (see repbook-cli --help)</source>
        <translation> (vedi repbook-cli --help)</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot; (see repbook-cli --help)</source>
        <translation>comando sconosciuto «%1» (vedi repbook-cli --help)</translation>
    </message>
</context>
</TS>
