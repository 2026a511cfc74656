<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AppLanguage</name>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
</context>
<context>
    <name>BackupCommand</name>
    <message>
        <source>Keeps a copy of the diary in its Backups folder now. Older copies are removed as the diary&apos;s retention says.</source>
        <translation>Garde dès maintenant une copie du journal dans son dossier Backups. Les copies plus anciennes sont supprimées selon la durée de conservation du journal.</translation>
    </message>
    <message>
        <source>backup takes no file.</source>
        <translation>backup ne prend aucun fichier.</translation>
    </message>
    <message>
        <source>%1: no such file.</source>
        <translation>%1 : fichier introuvable.</translation>
    </message>
    <message>
        <source>%1 fails its integrity check: no backup was made.</source>
        <translation>%1 échoue à la vérification d&apos;intégrité : aucune sauvegarde n&apos;a été faite.</translation>
    </message>
    <message>
        <source>Replaces the diary by a backup. The diary as it is now is kept as a backup first.</source>
        <translation>Remplace le journal par une sauvegarde. Le journal actuel est d&apos;abord gardé comme sauvegarde.</translation>
    </message>
    <message>
        <source>The backup to restore (see the diary&apos;s Backups folder).</source>
        <translation>La sauvegarde à restaurer (voir le dossier Backups du journal).</translation>
    </message>
    <message>
        <source>restore takes exactly one backup file.</source>
        <translation>restore prend exactement un fichier de sauvegarde.</translation>
    </message>
    <message>
        <source>The diary %1 cannot be read.</source>
        <translation>Le journal %1 ne peut pas être lu.</translation>
    </message>
    <message>
        <source>Restored %1 from %2.
</source>
        <translation>%1 restauré depuis %2.
</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Repbook</source>
        <translation>À propos de Repbook</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Assistance</translation>
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
        <translation>Un journal d&apos;entraînement personnel, avec Repminder, son rappel d&apos;entraînement.</translation>
    </message>
    <message>
        <source>Running on Qt %1.</source>
        <translation>Fonctionne avec Qt %1.</translation>
    </message>
    <message>
        <source>Repbook keeps everything on this computer. To back up your diary or move it to another computer, copy these files.</source>
        <translation>Repbook garde tout sur cet ordinateur. Pour sauvegarder votre journal ou le déplacer vers un autre ordinateur, copiez ces fichiers.</translation>
    </message>
    <message>
        <source>Diary:</source>
        <translation>Journal :</translation>
    </message>
    <message>
        <source>Name lists:</source>
        <translation>Listes de noms :</translation>
    </message>
    <message>
        <source>Settings:</source>
        <translation>Paramètres :</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
    <message>
        <source>The folder does not exist yet:
%1</source>
        <translation>Le dossier n&apos;existe pas encore :
%1</translation>
    </message>
    <message>
        <source>The folder could not be opened:
%1</source>
        <translation>Le dossier n&apos;a pas pu être ouvert :
%1</translation>
    </message>
    <message>
        <source>Licensed under the GNU General Public License, version 3 or later.</source>
        <translation>Distribué sous la licence publique générale GNU, version 3 ou ultérieure.</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Apply program</source>
        <translation>Appliquer le programme</translation>
    </message>
    <message>
        <source>Choose days</source>
        <translation>Choisir les jours</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Day note</source>
        <translation>Note du jour</translation>
    </message>
</context>
<context>
    <name>CConflictsDlg</name>
    <message>
        <source>No workouts.</source>
        <translation>Aucune séance.</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Note : %1</translation>
    </message>
    <message>
        <source>This diary&apos;s version</source>
        <translation>Version de ce journal</translation>
    </message>
    <message>
        <source>Other version</source>
        <translation>Autre version</translation>
    </message>
    <message>
        <source>&amp;Take other version</source>
        <translation>&amp;Reprendre l&apos;autre version</translation>
    </message>
    <message>
        <source>&amp;Dismiss other version...</source>
        <translation>&amp;Écarter l&apos;autre version...</translation>
    </message>
    <message>
        <source>&amp;Show in calendar</source>
        <translation>&amp;Afficher dans le calendrier</translation>
    </message>
    <message>
        <source>Conflicts</source>
        <translation>Conflits</translation>
    </message>
    <message>
        <source>Dates changed on both sides</source>
        <translation>Dates modifiées des deux côtés</translation>
    </message>
    <message>
        <source>D&amp;ates:</source>
        <translation>D&amp;ates :</translation>
    </message>
    <message>
        <source>In this diary (kept):</source>
        <translation>Dans ce journal (gardée) :</translation>
    </message>
    <message>
        <source>Other version:</source>
        <translation>Autre version :</translation>
    </message>
    <message>
        <source>Puts the other version into the diary; Undo brings this diary&apos;s back</source>
        <translation>Met l&apos;autre version dans le journal ; Annuler ramène celle de ce journal</translation>
    </message>
    <message>
        <source>Keeps this diary&apos;s version and removes the other one</source>
        <translation>Garde la version de ce journal et supprime l&apos;autre</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>the other version was kept on %1</source>
        <translation>l&apos;autre version a été gardée le %1</translation>
    </message>
    <message>
        <source>the other version was kept</source>
        <translation>l&apos;autre version a été gardée</translation>
    </message>
    <message>
        <source>No conflicts: no day was changed on both sides.</source>
        <translation>Aucun conflit : aucun jour n&apos;a été modifié des deux côtés.</translation>
    </message>
    <message>
        <source>One date was changed here and elsewhere (on another computer or in the notifier). The diary kept its version; take the other one if it is the one you want.</source>
        <translation>Une date a été modifiée ici et ailleurs (sur un autre ordinateur ou dans le rappel). Le journal a gardé sa version ; reprenez l&apos;autre si c&apos;est celle que vous voulez.</translation>
    </message>
    <message>
        <source>%1 dates were changed here and elsewhere (on another computer or in the notifier). The diary kept its version of each; take the other one where it is the one you want.</source>
        <translation>%1 dates ont été modifiées ici et ailleurs (sur un autre ordinateur ou dans le rappel). Le journal a gardé sa version de chacune ; reprenez l&apos;autre là où c&apos;est celle que vous voulez.</translation>
    </message>
    <message>
        <source>These conflict files are damaged and cannot be shown: %1</source>
        <translation>Ces fichiers de conflit sont endommagés et ne peuvent pas être affichés : %1</translation>
    </message>
    <message>
        <source>Dismiss the other version of %1?
The diary keeps its version; the other one is removed for good.</source>
        <translation>Écarter l&apos;autre version du %1 ?
Le journal garde sa version ; l&apos;autre est supprimée définitivement.</translation>
    </message>
</context>
<context>
    <name>CConsistencyPage</name>
    <message>
        <source>Previous year</source>
        <translation>Année précédente</translation>
    </message>
    <message>
        <source>Next year</source>
        <translation>Année suivante</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>&amp;Année :</translation>
    </message>
    <message>
        <source>Planned workouts done</source>
        <translation>Séances prévues réalisées</translation>
    </message>
    <message>
        <source>Weeks in a row with a done workout: %1 now, %2 at most.</source>
        <translation>Semaines d&apos;affilée avec une séance réalisée : %1 actuellement, %2 au maximum.</translation>
    </message>
    <message>
        <source>No workout in %1. Plan workouts in the calendar and fill in the results: each day then shows here how it went.</source>
        <translation>Aucune séance en %1. Planifiez des séances dans le calendrier et saisissez les résultats : chaque jour montrera ici comment il s&apos;est passé.</translation>
    </message>
    <message>
        <source>%1 of %2 planned workouts done</source>
        <translation>%1 séances prévues sur %2 réalisées</translation>
    </message>
</context>
<context>
    <name>CDayDlg</name>
    <message>
        <source>Workout planning</source>
        <translation>Planification de la séance</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Supprimer</translation>
    </message>
</context>
<context>
    <name>CDayPrinter</name>
    <message>
        <source>There is nothing to print: no training day is selected.</source>
        <translation>Il n&apos;y a rien à imprimer : aucun jour d&apos;entraînement n&apos;est sélectionné.</translation>
    </message>
    <message>
        <source>The training log could not be printed. Check the printer or the file name and try again.</source>
        <translation>Le journal d&apos;entraînement n&apos;a pas pu être imprimé. Vérifiez l&apos;imprimante ou le nom du fichier et réessayez.</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Training log</source>
        <translation>Journal d&apos;entraînement</translation>
    </message>
</context>
<context>
    <name>CDayTabCtrl</name>
    <message>
        <source>Workouts</source>
        <translation>Séances</translation>
    </message>
    <message>
        <source>Exercises</source>
        <translation>Exercices</translation>
    </message>
    <message>
        <source>Mark exercise(s) as &apos;%1&apos;</source>
        <translation>Marquer les exercices comme « %1 »</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Display range</source>
        <translation>Période affichée</translation>
    </message>
    <message>
        <source>Start date:</source>
        <translation>Date de début :</translation>
    </message>
    <message>
        <source>End date:</source>
        <translation>Date de fin :</translation>
    </message>
    <message>
        <source>Total days:</source>
        <translation>Nombre de jours :</translation>
    </message>
</context>
<context>
    <name>CEditorDlg</name>
    <message>
        <source>Workout programs editor</source>
        <translation>Éditeur de programmes d&apos;entraînement</translation>
    </message>
    <message>
        <source>You need to fill the current day first.</source>
        <translation>Remplissez d&apos;abord le jour actuel.</translation>
    </message>
</context>
<context>
    <name>CEmptyDlg</name>
    <message>
        <source>You must not see this.</source>
        <translation>Vous ne devriez pas voir ceci.</translation>
    </message>
    <message>
        <source>This is an empty training program. To open existing training program double click on this window.</source>
        <translation>Ceci est un programme d&apos;entraînement vide. Pour ouvrir un programme existant, double-cliquez dans cette fenêtre.</translation>
    </message>
    <message>
        <source>There are no workouts dated to this day. To add new workout double click on this window.</source>
        <translation>Aucune séance n&apos;est prévue ce jour. Pour ajouter une séance, double-cliquez dans cette fenêtre.</translation>
    </message>
    <message>
        <source>There are no exercises planned on this workout. To add new exercise double click on this window.</source>
        <translation>Aucun exercice n&apos;est prévu dans cette séance. Pour ajouter un exercice, double-cliquez dans cette fenêtre.</translation>
    </message>
    <message>
        <source>No workouts can be dated to this day. Change the display range.</source>
        <translation>Aucune séance ne peut être placée ce jour. Modifiez la période affichée.</translation>
    </message>
</context>
<context>
    <name>CExerciseDlg</name>
    <message>
        <source>Add exercise</source>
        <translation>Ajouter un exercice</translation>
    </message>
</context>
<context>
    <name>CExercisePage</name>
    <message>
        <source>No exercise is marked Done yet.

Open a day in the diary, fill in what you lifted and mark the exercises Done
(entering a weight does that): their progress and records appear here.</source>
        <translation>Aucun exercice n&apos;est encore marqué comme réussi.

Ouvrez un jour du journal, saisissez ce que vous avez soulevé et marquez les exercices comme réussis
(saisir une charge le fait) : leur progression et leurs records apparaissent ici.</translation>
    </message>
    <message>
        <source>Filter exercises</source>
        <translation>Filtrer les exercices</translation>
    </message>
    <message>
        <source>Exercises</source>
        <translation>Exercices</translation>
    </message>
    <message>
        <source>Exercise</source>
        <translation>Exercice</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Jours</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Dernier</translation>
    </message>
    <message>
        <source>Count &amp;failed exercises</source>
        <translation>Compter les exercices &amp;échoués</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Graphique</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Records</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Afficher :</translation>
    </message>
    <message>
        <source>Save &amp;image...</source>
        <translation>Enregistrer l&apos;&amp;image...</translation>
    </message>
    <message>
        <source>Choose an exercise on the left</source>
        <translation>Choisissez un exercice à gauche</translation>
    </message>
    <message>
        <source>Choose an exercise to see its progress</source>
        <translation>Choisissez un exercice pour voir sa progression</translation>
    </message>
    <message>
        <source>No training day of %1 in this range</source>
        <translation>Aucun jour d&apos;entraînement de %1 sur cette période</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>du %1 au %2</translation>
    </message>
    <message>
        <source>Save chart image</source>
        <translation>Enregistrer l&apos;image du graphique</translation>
    </message>
    <message>
        <source>The chart could not be saved as %1.</source>
        <translation>Le graphique n&apos;a pas pu être enregistré sous %1.</translation>
    </message>
</context>
<context>
    <name>CFPSMiniCalendarCtrl</name>
    <message>
        <source>marked dates</source>
        <translation>dates marquées</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Mois précédent</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Mois suivant</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 à %2</translation>
    </message>
</context>
<context>
    <name>CFindDlg</name>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Fi&amp;nd:</source>
        <translation>Rec&amp;hercher :</translation>
    </message>
    <message>
        <source>Workout, exercise or note</source>
        <translation>Séance, exercice ou note</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>Type to find workouts, exercises and notes.</source>
        <translation>Tapez pour trouver séances, exercices et notes.</translation>
    </message>
    <message>
        <source>No match.</source>
        <translation>Aucun résultat.</translation>
    </message>
    <message>
        <source>1 match.</source>
        <translation>1 résultat.</translation>
    </message>
    <message>
        <source>%1 matches.</source>
        <translation>%1 résultats.</translation>
    </message>
</context>
<context>
    <name>CImportPreviewDlg</name>
    <message>
        <source>Import Preview</source>
        <translation>Aperçu de l&apos;import</translation>
    </message>
    <message>
        <source>Everything in this file is already in the diary: nothing to add.</source>
        <translation>Tout le contenu de ce fichier est déjà dans le journal : rien à ajouter.</translation>
    </message>
    <message>
        <source>Adds %1 with %2 on %3 (%4 new).</source>
        <translation>Ajoute %1 avec %2 sur %3 (%4 nouveaux).</translation>
    </message>
    <message>
        <source>The file gives weights in pounds: they are stored in kilograms and shown in pounds.</source>
        <translation>Le fichier donne les charges en livres : elles sont enregistrées en kilogrammes et affichées en livres.</translation>
    </message>
    <message>
        <source>The file gives weights in pounds: they are stored in kilograms, the file&apos;s pounds shown beside them.</source>
        <translation>Le fichier donne les charges en livres : elles sont enregistrées en kilogrammes, les livres du fichier affichées à côté.</translation>
    </message>
    <message>
        <source>The file gives weights in kilograms: they are stored as they are and shown in pounds.</source>
        <translation>Le fichier donne les charges en kilogrammes : elles sont enregistrées telles quelles et affichées en livres.</translation>
    </message>
    <message>
        <source>Weights are in kilograms, as in the file.</source>
        <translation>Les charges sont en kilogrammes, comme dans le fichier.</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt; (%2)&lt;br&gt;%3&lt;br&gt;Already in the diary, left out: %4. Rows skipped: %5.&lt;br&gt;%6</source>
        <translation>&lt;b&gt;%1&lt;/b&gt; (%2)&lt;br&gt;%3&lt;br&gt;Déjà dans le journal, ignorées : %4. Lignes ignorées : %5.&lt;br&gt;%6</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Workouts added</source>
        <translation>Séances
ajoutées</translation>
    </message>
    <message>
        <source>Exercises added</source>
        <translation>Exercices
ajoutés</translation>
    </message>
    <message>
        <source>Already there</source>
        <translation>Déjà présents</translation>
    </message>
    <message>
        <source>Workouts: sets × reps × weight</source>
        <translation>Séances : séries × répétitions × charge</translation>
    </message>
    <message>
        <source>  (new day)</source>
        <translation>  (nouveau jour)</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(sans nom)</translation>
    </message>
    <message>
        <source>Per date</source>
        <translation>Par date</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Skipped because</source>
        <translation>Ignorée car</translation>
    </message>
    <message>
        <source>Rows that cannot be stored</source>
        <translation>Lignes impossibles à enregistrer</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importer</translation>
    </message>
    <message>
        <source>Per date:</source>
        <translation>Par date :</translation>
    </message>
    <message>
        <source>Rows of the file that cannot be stored:</source>
        <translation>Lignes du fichier impossibles à enregistrer :</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
</context>
<context>
    <name>CNameMappingPanel</name>
    <message>
        <source>Exercise names not in the diary (tick to record one under the diary&apos;s name beside it; unticked names become new exercises):</source>
        <translation>Noms d&apos;exercices absents du journal (cochez pour enregistrer l&apos;un d&apos;eux sous le nom du journal à côté ; les noms non cochés deviennent de nouveaux exercices) :</translation>
    </message>
    <message>
        <source>Record &quot;%1&quot; under the diary&apos;s name beside it</source>
        <translation>Enregistrer « %1 » sous le nom du journal à côté</translation>
    </message>
    <message>
        <source>diary name</source>
        <translation>nom dans le journal</translation>
    </message>
    <message>
        <source>Diary name for %1</source>
        <translation>Nom dans le journal pour %1</translation>
    </message>
</context>
<context>
    <name>CNotifierWindow</name>
    <message>
        <source>No reminder at the moment</source>
        <translation>Aucun rappel pour le moment</translation>
    </message>
    <message>
        <source>This desktop has no notification area, so the workout notifier shows this window. It comes to the front when there is something to remind you of.</source>
        <translation>Ce bureau n&apos;a pas de zone de notification, le rappel d&apos;entraînement affiche donc cette fenêtre. Elle passe au premier plan quand il y a quelque chose à rappeler.</translation>
    </message>
    <message>
        <source>Repminder - workout notifier</source>
        <translation>Repminder - rappel d&apos;entraînement</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>O&amp;ptions</source>
        <translation>O&amp;ptions</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Click &quot;Open&quot; to see the reminder.</source>
        <translation>Cliquez sur « Ouvrir » pour voir le rappel.</translation>
    </message>
</context>
<context>
    <name>CNotifyDlg</name>
    <message>
        <source>View</source>
        <translation>Voir</translation>
    </message>
    <message>
        <source>Ask about workout results at</source>
        <translation>Demander les résultats de la séance à</translation>
    </message>
    <message>
        <source>Workout remind</source>
        <translation>Rappel de séance</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Déplacer</translation>
    </message>
    <message>
        <source>Open Diary</source>
        <translation>Ouvrir le journal</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Cancel workout</source>
        <translation>Annuler la séance</translation>
    </message>
    <message>
        <source>Remind me later</source>
        <translation>Me le rappeler plus tard</translation>
    </message>
    <message>
        <source>Time to ask about workout results</source>
        <translation>Heure de la demande des résultats de la séance</translation>
    </message>
    <message>
        <source>Please fill in information about your workout results</source>
        <translation>Veuillez saisir les résultats de votre séance</translation>
    </message>
    <message>
        <source>Fill in</source>
        <translation>Saisir</translation>
    </message>
    <message>
        <source>You have a workout today</source>
        <translation>Vous avez une séance aujourd&apos;hui</translation>
    </message>
    <message>
        <source>The diary database could not be read or is damaged:
%1
Open the diary to check it.</source>
        <translation>La base de données du journal n&apos;a pas pu être lue ou est endommagée :
%1
Ouvrez le journal pour la vérifier.</translation>
    </message>
    <message>
        <source>There is no workout for today in the diary.</source>
        <translation>Le journal ne contient aucune séance pour aujourd&apos;hui.</translation>
    </message>
    <message>
        <source>The workout could not be saved to the diary database.
%1
Try again?</source>
        <translation>La séance n&apos;a pas pu être enregistrée dans la base de données du journal.
%1
Réessayer ?</translation>
    </message>
    <message>
        <source>There is no workout for today to print.</source>
        <translation>Aucune séance à imprimer aujourd&apos;hui.</translation>
    </message>
    <message>
        <source>The diary changed this day while you were editing it. The diary&apos;s version was kept; your entries were saved in:
%1
In the diary, Edit &gt; Conflicts shows them beside its version and lets you take them instead.</source>
        <translation>Le journal a modifié ce jour pendant que vous le modifiiez. La version du journal a été gardée ; vos saisies ont été enregistrées dans :
%1
Dans le journal, Édition &gt; Conflits les affiche à côté de sa version et permet de les reprendre à la place.</translation>
    </message>
</context>
<context>
    <name>COptionsCommonPage</name>
    <message>
        <source>Shields</source>
        <translation>Boucliers</translation>
    </message>
    <message>
        <source>Flags</source>
        <translation>Drapeaux</translation>
    </message>
    <message>
        <source>Make a delay while program applying</source>
        <translation>Faire une pause pendant l&apos;application d&apos;un programme</translation>
    </message>
    <message>
        <source>&amp;Kilograms (kg)</source>
        <translation>&amp;Kilogrammes (kg)</translation>
    </message>
    <message>
        <source>&amp;Pounds (lb)</source>
        <translation>&amp;Livres (lb)</translation>
    </message>
    <message>
        <source>Status images</source>
        <translation>Images d&apos;état</translation>
    </message>
    <message>
        <source>Program applying</source>
        <translation>Application de programme</translation>
    </message>
    <message>
        <source>Weight unit</source>
        <translation>Unité de charge</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apparence</translation>
    </message>
    <message>
        <source>S&amp;ystem (as the desktop)</source>
        <translation>S&amp;ystème (comme le bureau)</translation>
    </message>
    <message>
        <source>&amp;Light</source>
        <translation>&amp;Claire</translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <translation>&amp;Sombre</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>La&amp;nguage:</source>
        <translation>La&amp;ngue :</translation>
    </message>
    <message>
        <source>A new language takes effect the next time Repbook starts.</source>
        <translation>Une nouvelle langue prend effet au prochain démarrage de Repbook.</translation>
    </message>
</context>
<context>
    <name>COptionsDlg</name>
    <message>
        <source>&amp;Launch at logon</source>
        <translation>&amp;Lancer à l&apos;ouverture de session</translation>
    </message>
    <message>
        <source>Show notification &amp;icon in taskbar</source>
        <translation>Afficher l&apos;&amp;icône dans la zone de notification</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Notify</source>
        <translation>Rappeler</translation>
    </message>
    <message>
        <source>&amp;Never</source>
        <translation>&amp;Jamais</translation>
    </message>
    <message>
        <source>On &amp;startup only</source>
        <translation>Au &amp;démarrage seulement</translation>
    </message>
    <message>
        <source>&amp;Every</source>
        <translation>&amp;Toutes les</translation>
    </message>
    <message>
        <source>Minutes between reminders</source>
        <translation>Minutes entre les rappels</translation>
    </message>
    <message>
        <source>Misc</source>
        <translation>Divers</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Please enter the number of minutes between reminders, from 1 to %1.</source>
        <translation>Veuillez saisir le nombre de minutes entre les rappels, de 1 à %1.</translation>
    </message>
    <message>
        <source>The logon entry could not be written:
%1</source>
        <translation>L&apos;entrée de démarrage n&apos;a pas pu être écrite :
%1</translation>
    </message>
    <message>
        <source>The logon entry could not be removed:
%1</source>
        <translation>L&apos;entrée de démarrage n&apos;a pas pu être supprimée :
%1</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutes</translation>
    </message>
</context>
<context>
    <name>COptionsFolderPage</name>
    <message>
        <source>&amp;Change...</source>
        <translation>&amp;Changer...</translation>
    </message>
    <message>
        <source>Diary folder</source>
        <translation>Dossier du journal</translation>
    </message>
    <message>
        <source>The diary and the lists of exercise and workout names are kept here. To use one diary on several computers, choose a folder that a sync program (Syncthing, Nextcloud, Dropbox) shares between them. Backups stay on this computer.</source>
        <translation>Le journal et les listes de noms d&apos;exercices et de séances sont gardés ici. Pour utiliser un même journal sur plusieurs ordinateurs, choisissez un dossier qu&apos;un programme de synchronisation (Syncthing, Nextcloud, Dropbox) partage entre eux. Les sauvegardes restent sur cet ordinateur.</translation>
    </message>
    <message>
        <source>The folder is set by REPBOOK_HOME or by the portable installation.</source>
        <translation>Le dossier est fixé par REPBOOK_HOME ou par l&apos;installation portable.</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Diary folder</source>
        <translation>Dossier du journal</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Access denied</source>
        <translation>Accès refusé</translation>
    </message>
    <message>
        <source>Enter password:</source>
        <translation>Saisissez le mot de passe :</translation>
    </message>
    <message>
        <source>Password incorrect.</source>
        <translation>Mot de passe incorrect.</translation>
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
        <translation>Progression</translation>
    </message>
    <message>
        <source>&amp;Exercises</source>
        <translation>&amp;Exercices</translation>
    </message>
    <message>
        <source>&amp;Consistency</source>
        <translation>&amp;Régularité</translation>
    </message>
</context>
<context>
    <name>CRepbookApp</name>
    <message>
        <source>Warning! Program database is corrupted.
Do you want to create new database? All your information will be lost. To recover it contact developers.</source>
        <translation>Attention ! La base de données du programme est corrompue.
Voulez-vous créer une nouvelle base de données ? Toutes vos informations seront perdues. Pour les récupérer, contactez les développeurs.</translation>
    </message>
    <message>
        <source>Warning! Program database is corrupted.
Do you want to create new database? The damaged file will be kept beside the new one. To recover it contact developers.</source>
        <translation>Attention ! La base de données du programme est corrompue.
Voulez-vous créer une nouvelle base de données ? Le fichier endommagé sera gardé à côté de la nouvelle. Pour le récupérer, contactez les développeurs.</translation>
    </message>
    <message>
        <source>Warning! Program database is corrupted.
The newest sound backup is %1.

Restore that backup, create a new, empty database, or quit?</source>
        <translation>Attention ! La base de données du programme est corrompue.
La sauvegarde saine la plus récente est %1.

Restaurer cette sauvegarde, créer une nouvelle base vide ou quitter ?</translation>
    </message>
    <message>
        <source> The damaged file will be kept beside the diary.</source>
        <translation> Le fichier endommagé sera gardé à côté du journal.</translation>
    </message>
    <message>
        <source>Application is already running</source>
        <translation>L&apos;application est déjà lancée</translation>
    </message>
    <message>
        <source>&amp;Restore backup</source>
        <translation>&amp;Restaurer la sauvegarde</translation>
    </message>
    <message>
        <source>&amp;New database</source>
        <translation>&amp;Nouvelle base de données</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Application is closing.</source>
        <translation>L&apos;application se ferme.</translation>
    </message>
    <message>
        <source>The backup could not be restored to:
%1
Application is closing.</source>
        <translation>La sauvegarde n&apos;a pas pu être restaurée vers :
%1
L&apos;application se ferme.</translation>
    </message>
    <message>
        <source>The damaged database could not be set aside:
%1
It was left unchanged. Application is closing.</source>
        <translation>La base de données endommagée n&apos;a pas pu être mise de côté :
%1
Elle est restée inchangée. L&apos;application se ferme.</translation>
    </message>
    <message>
        <source>The damaged database was kept as:
%1</source>
        <translation>La base de données endommagée a été gardée sous :
%1</translation>
    </message>
    <message>
        <source>A new database could not be created:
%1
The diary opens empty and cannot be saved.</source>
        <translation>Une nouvelle base de données n&apos;a pas pu être créée :
%1
Le journal s&apos;ouvre vide et ne peut pas être enregistré.</translation>
    </message>
</context>
<context>
    <name>CRepbookDlg</name>
    <message>
        <source>Training calendar</source>
        <translation>Calendrier d&apos;entraînement</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Suppression</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Add workout</source>
        <translation>Ajout d&apos;une séance</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modification</translation>
    </message>
    <message>
        <source>Do you want to exit application?</source>
        <translation>Voulez-vous quitter l&apos;application ?</translation>
    </message>
</context>
<context>
    <name>CRestoreDlg</name>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurer</translation>
    </message>
    <message>
        <source>Restore from backup</source>
        <translation>Restaurer depuis une sauvegarde</translation>
    </message>
    <message>
        <source>Made</source>
        <translation>Créée</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Jours</translation>
    </message>
    <message>
        <source>Last day</source>
        <translation>Dernier jour</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Sauvegardes</translation>
    </message>
    <message>
        <source>Days in this backup</source>
        <translation>Jours de cette sauvegarde</translation>
    </message>
    <message>
        <source>There are no backups yet. The diary makes one before its first save of each day.</source>
        <translation>Il n&apos;y a pas encore de sauvegarde. Le journal en fait une avant son premier enregistrement de chaque jour.</translation>
    </message>
    <message>
        <source>&amp;Backups, newest first. Restoring one keeps the diary as it is now as a backup first.</source>
        <translation>&amp;Sauvegardes, les plus récentes d&apos;abord. En restaurer une garde d&apos;abord le journal actuel comme sauvegarde.</translation>
    </message>
    <message>
        <source>Choose a backup to see its days.</source>
        <translation>Choisissez une sauvegarde pour voir ses jours.</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>endommagée</translation>
    </message>
    <message>
        <source>This backup cannot be read or is damaged.</source>
        <translation>Cette sauvegarde ne peut pas être lue ou est endommagée.</translation>
    </message>
    <message>
        <source>&amp;Days in this backup (%1), read-only:</source>
        <translation>&amp;Jours de cette sauvegarde (%1), en lecture seule :</translation>
    </message>
</context>
<context>
    <name>CTrainingDlg</name>
    <message>
        <source>Add workout</source>
        <translation>Ajouter une séance</translation>
    </message>
</context>
<context>
    <name>CTrayIcon</name>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>O&amp;ptions</source>
        <translation>O&amp;ptions</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Repminder - workout notifier</source>
        <translation>Repminder - rappel d&apos;entraînement</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>User data</source>
        <translation>Données utilisateur</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>First name:</source>
        <translation>Prénom :</translation>
    </message>
    <message>
        <source>Last name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Sécurité</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Mot de passe :</translation>
    </message>
    <message>
        <source>Confirmation:</source>
        <translation>Confirmation :</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Taille :</translation>
    </message>
    <message>
        <source>cm</source>
        <translation>cm</translation>
    </message>
    <message>
        <source>Weight:</source>
        <translation>Poids :</translation>
    </message>
    <message>
        <source>Chest:</source>
        <translation>Poitrine :</translation>
    </message>
    <message>
        <source>Biceps:</source>
        <translation>Biceps :</translation>
    </message>
    <message>
        <source>Anthropometrics</source>
        <translation>Mensurations</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Passer</translation>
    </message>
    <message>
        <source>Password and confirmation fields does not match.</source>
        <translation>Le mot de passe et la confirmation ne correspondent pas.</translation>
    </message>
    <message>
        <source>Please enter a whole number.</source>
        <translation>Veuillez saisir un nombre entier.</translation>
    </message>
</context>
<context>
    <name>CYearGrid</name>
    <message>
        <source>Year %1</source>
        <translation>Année %1</translation>
    </message>
    <message>
        <source>All workouts done</source>
        <translation>Toutes les séances réalisées</translation>
    </message>
    <message>
        <source>Some workouts done</source>
        <translation>Certaines séances réalisées</translation>
    </message>
    <message>
        <source>Failed only</source>
        <translation>Échouées uniquement</translation>
    </message>
    <message>
        <source>Planned but missed</source>
        <translation>Prévue mais manquée</translation>
    </message>
    <message>
        <source>Planned ahead</source>
        <translation>Prévue à l&apos;avance</translation>
    </message>
    <message>
        <source>No workout</source>
        <translation>Aucune séance</translation>
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
        <translation>%1 (aujourd&apos;hui)</translation>
    </message>
    <message>
        <source>Range - 1 month</source>
        <translation>Période - 1 mois</translation>
    </message>
    <message>
        <source>Range - 2 months</source>
        <translation>Période - 2 mois</translation>
    </message>
    <message>
        <source>Range - 3 months</source>
        <translation>Période - 3 mois</translation>
    </message>
    <message>
        <source>Range - 6 months</source>
        <translation>Période - 6 mois</translation>
    </message>
    <message>
        <source>Range - year</source>
        <translation>Période - année</translation>
    </message>
    <message>
        <source>Set...</source>
        <translation>Définir...</translation>
    </message>
    <message>
        <source>1-st of %1</source>
        <extracomment>The first day of a month in a calendar cell; %1 is the month&apos;s name as in a date.</extracomment>
        <translation>1er %1</translation>
    </message>
</context>
<context>
    <name>ChartRange</name>
    <message>
        <source>All time</source>
        <translation>Depuis le début</translation>
    </message>
    <message>
        <source>Calendar range</source>
        <translation>Période du calendrier</translation>
    </message>
    <message>
        <source>5 years</source>
        <translation>5 ans</translation>
    </message>
    <message>
        <source>1 year</source>
        <translation>1 an</translation>
    </message>
    <message>
        <source>6 months</source>
        <translation>6 mois</translation>
    </message>
    <message>
        <source>3 months</source>
        <translation>3 mois</translation>
    </message>
</context>
<context>
    <name>ChartSummary</name>
    <message>
        <source>%1 on %2</source>
        <translation>%1 le %2</translation>
    </message>
    <message>
        <source>%1: no data</source>
        <translation>%1 : aucune donnée</translation>
    </message>
    <message>
        <source>%1: first %2, latest %3, best %4</source>
        <translation>%1 : premier %2, dernier %3, meilleur %4</translation>
    </message>
</context>
<context>
    <name>CheckCommand</name>
    <message>
        <source>Runs the integrity check of a diary file and prints its day count and date range. Exit code 0: sound, 1: damaged or unreadable.</source>
        <translation>Vérifie l&apos;intégrité d&apos;un fichier de journal et affiche son nombre de jours et sa période. Code de sortie 0 : sain, 1 : endommagé ou illisible.</translation>
    </message>
    <message>
        <source>The diary file (default: --diary or the data folder&apos;s diary).</source>
        <translation>Le fichier de journal (par défaut : --diary ou le journal du dossier de données).</translation>
    </message>
    <message>
        <source>check takes one file at most.</source>
        <translation>check prend au plus un fichier.</translation>
    </message>
    <message>
        <source>%1: no such file.</source>
        <translation>%1 : fichier introuvable.</translation>
    </message>
    <message>
        <source>
The newest sound backup is %1:
%2
Restore it with: repbook-cli restore &quot;%2&quot;</source>
        <translation>
La sauvegarde saine la plus récente est %1 :
%2
Restaurez-la avec : repbook-cli restore &quot;%2&quot;</translation>
    </message>
    <message>
        <source>no dates</source>
        <translation>aucune date</translation>
    </message>
    <message>
        <source>Conflict copies left by a sync engine (repbook-cli merge merges them):
</source>
        <translation>Copies de conflit laissées par un outil de synchronisation (repbook-cli merge les fusionne) :
</translation>
    </message>
    <message>
        <source> to </source>
        <translation> au </translation>
    </message>
    <message>
        <source>%1: sound, %2, %3
</source>
        <translation>%1 : sain, %2, %3
</translation>
    </message>
</context>
<context>
    <name>Command</name>
    <message>
        <source>Work on the diary FILE instead of the one in the data folder.</source>
        <translation>Travailler sur le journal FILE au lieu de celui du dossier de données.</translation>
    </message>
    <message>
        <source>Only days on or after DATE (yyyy-MM-dd).</source>
        <translation>Seulement les jours à partir de DATE (yyyy-MM-dd).</translation>
    </message>
    <message>
        <source>Only days on or before DATE (yyyy-MM-dd).</source>
        <translation>Seulement les jours jusqu&apos;à DATE (yyyy-MM-dd).</translation>
    </message>
    <message>
        <source>Weights in kg or lb (default: the unit chosen in the diary&apos;s Options).</source>
        <translation>Charges en kg ou lb (par défaut : l&apos;unité choisie dans les options du journal).</translation>
    </message>
    <message>
        <source>%1 (see repbook-cli %2 --help)</source>
        <translation>%1 (voir repbook-cli %2 --help)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no date of the form yyyy-MM-dd.</source>
        <translation>« %1 » n&apos;est pas une date de la forme yyyy-MM-dd.</translation>
    </message>
    <message>
        <source>--from %1 lies after --to %2.</source>
        <translation>--from %1 est après --to %2.</translation>
    </message>
    <message>
        <source>unknown unit &quot;%1&quot;; use kg or lb.</source>
        <translation>unité inconnue « %1 » ; utilisez kg ou lb.</translation>
    </message>
    <message>
        <source>The diary %1 cannot be read.</source>
        <translation>Le journal %1 ne peut pas être lu.</translation>
    </message>
    <message>
        <source>The diary %1 is damaged: it fails its integrity check.</source>
        <translation>Le journal %1 est endommagé : il échoue à la vérification d&apos;intégrité.</translation>
    </message>
    <message>
        <source>Usage: repbook-cli </source>
        <translation>Utilisation : repbook-cli </translation>
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
        <translation>Un autre ordinateur a modifié des jours également modifiés ici :
%1
Le journal garde la version affichée ici. La version de l&apos;autre ordinateur a été enregistrée dans :
%2
Dans le journal, Édition &gt; Conflits l&apos;affiche à côté de celle du journal et vous permet de la prendre à la place.</translation>
    </message>
    <message>
        <source>A copy of the diary that the sync program left beside it is damaged and was not merged. It was kept as:
%1</source>
        <translation>Une copie du journal laissée à côté par le programme de synchronisation est endommagée et n&apos;a pas été fusionnée. Elle a été conservée sous :
%1</translation>
    </message>
    <message>
        <source>Copies of the diary left by the sync program could not all be merged:
%1</source>
        <translation>Les copies du journal laissées par le programme de synchronisation n&apos;ont pas toutes pu être fusionnées :
%1</translation>
    </message>
</context>
<context>
    <name>ConflictCopyMerge</name>
    <message>
        <source>%1 is damaged: it fails its integrity check.</source>
        <translation>%1 est endommagé : la vérification d&apos;intégrité échoue.</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>%1 ne peut pas être lu.</translation>
    </message>
    <message>
        <source>The record of what this computer agreed on with the others could not be written:
%1</source>
        <translation>L&apos;enregistrement de ce sur quoi cet ordinateur s&apos;est accordé avec les autres n&apos;a pas pu être écrit :
%1</translation>
    </message>
    <message>
        <source>The diary&apos;s folder cannot be written:
%1</source>
        <translation>Le dossier du journal n&apos;est pas accessible en écriture :
%1</translation>
    </message>
    <message>
        <source>The record of what this computer last agreed on with the others cannot be read:
%1</source>
        <translation>L&apos;enregistrement de ce sur quoi cet ordinateur s&apos;est accordé en dernier avec les autres ne peut pas être lu :
%1</translation>
    </message>
</context>
<context>
    <name>ConflictNotice</name>
    <message>
        <source>Days that were changed in two places (on another computer, or here in the notifier) have their other version on record:
%1
Edit &gt; Conflicts shows it beside the diary&apos;s and lets you take it instead.</source>
        <translation>Les jours modifiés à deux endroits (sur un autre ordinateur, ou ici dans le rappel) ont leur autre version enregistrée :
%1
Édition &gt; Conflits l&apos;affiche à côté de celle du journal et vous permet de la prendre à la place.</translation>
    </message>
</context>
<context>
    <name>ConflictRecords</name>
    <message>
        <source>The other version of the day could not be removed from:
%1</source>
        <translation>L&apos;autre version du jour n&apos;a pas pu être retirée de :
%1</translation>
    </message>
</context>
<context>
    <name>ConflictsWindow</name>
    <message>
        <source>The diary window is busy. Finish what it is doing, then take the other version.</source>
        <translation>La fenêtre du journal est occupée. Terminez ce qu&apos;elle fait, puis prenez l&apos;autre version.</translation>
    </message>
    <message>
        <source>Take other version %1</source>
        <translation>Prendre l&apos;autre version %1</translation>
    </message>
</context>
<context>
    <name>CountText</name>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n jour</numerusform>
            <numerusform>%n jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n workout(s)</source>
        <translation>
            <numerusform>%n séance</numerusform>
            <numerusform>%n séances</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n exercise(s)</source>
        <translation>
            <numerusform>%n exercice</numerusform>
            <numerusform>%n exercices</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n date(s)</source>
        <translation>
            <numerusform>%n date</numerusform>
            <numerusform>%n dates</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n selected day(s)</source>
        <translation>
            <numerusform>%n jour sélectionné</numerusform>
            <numerusform>%n jours sélectionnés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n new day(s)</source>
        <translation>
            <numerusform>%n nouveau jour</numerusform>
            <numerusform>%n nouveaux jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s)</source>
        <translation>
            <numerusform>%n ligne</numerusform>
            <numerusform>%n lignes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n week(s)</source>
        <translation>
            <numerusform>%n semaine</numerusform>
            <numerusform>%n semaines</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CsvReader</name>
    <message>
        <source>Out of memory.</source>
        <translation>Mémoire insuffisante.</translation>
    </message>
    <message>
        <source>Line %1 holds binary data: this is not a text file.</source>
        <translation>La ligne %1 contient des données binaires : ce n&apos;est pas un fichier texte.</translation>
    </message>
    <message>
        <source>Line %1 is not valid CSV: %2.</source>
        <translation>La ligne %1 n&apos;est pas du CSV valide : %2.</translation>
    </message>
    <message>
        <source>Line %1 opens a quoted field that is never closed.</source>
        <translation>La ligne %1 ouvre un champ entre guillemets qui n&apos;est jamais fermé.</translation>
    </message>
</context>
<context>
    <name>DateListText</name>
    <message>
        <source>and %1 more</source>
        <translation>et %1 de plus</translation>
    </message>
</context>
<context>
    <name>DayEditing</name>
    <message>
        <source>Select workout first.</source>
        <translation>Sélectionnez d&apos;abord une séance.</translation>
    </message>
    <message>
        <source>Rename workout</source>
        <translation>Renommer la séance</translation>
    </message>
</context>
<context>
    <name>DayEditingPanel</name>
    <message>
        <source>Exercise...	Ins</source>
        <translation>Exercice...	Inser</translation>
    </message>
    <message>
        <source>Workout...</source>
        <translation>Séance...</translation>
    </message>
    <message>
        <source>Up	Ctrl + Up</source>
        <translation>Monter	Ctrl + Haut</translation>
    </message>
    <message>
        <source>Down	Ctrl + Down</source>
        <translation>Descendre	Ctrl + Bas</translation>
    </message>
    <message>
        <source>Left	Ctrl + Left</source>
        <translation>Gauche	Ctrl + Gauche</translation>
    </message>
    <message>
        <source>Right	Ctrl + Right</source>
        <translation>Droite	Ctrl + Droite</translation>
    </message>
    <message>
        <source>Rename workout...</source>
        <translation>Renommer la séance...</translation>
    </message>
    <message>
        <source>Selected exercise(s)	Del</source>
        <translation>Exercice(s) sélectionné(s)	Suppr</translation>
    </message>
    <message>
        <source>All exercises</source>
        <translation>Tous les exercices</translation>
    </message>
    <message>
        <source>Workout</source>
        <translation>Séance</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Mark workout as &apos;Done&apos;</source>
        <translation>Marquer la séance comme « Réussie »</translation>
    </message>
    <message>
        <source>Mark workout as &apos;Failed&apos;</source>
        <translation>Marquer la séance comme « Échouée »</translation>
    </message>
    <message>
        <source>Mark workout as &apos;Not yet&apos;</source>
        <translation>Marquer la séance comme « Pas encore »</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>Move exercise(s)</source>
        <translation>Déplacer les exercices</translation>
    </message>
    <message>
        <source>Move workout</source>
        <translation>Déplacer la séance</translation>
    </message>
    <message>
        <source>Add exercise</source>
        <translation>Ajouter un exercice</translation>
    </message>
    <message>
        <source>Remove selected exercise(s)</source>
        <translation>Supprimer les exercices sélectionnés</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Vers la gauche</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Vers la droite</translation>
    </message>
    <message>
        <source>Workout status</source>
        <translation>État de la séance</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>DayOperations</name>
    <message>
        <source>Do you really want to remove selected day(s)?</source>
        <translation>Voulez-vous vraiment supprimer les jours sélectionnés ?</translation>
    </message>
    <message>
        <source>There are some trainings dated to this day.
If you want to swap days press &apos;Yes&apos;.
If you want to merge training days press &apos;No&apos;.
Press &apos;Cancel&apos; to do nothing.</source>
        <translation>Des séances sont déjà prévues ce jour.
Pour échanger les jours, appuyez sur « Oui ».
Pour fusionner les jours d&apos;entraînement, appuyez sur « Non ».
Appuyez sur « Annuler » pour ne rien faire.</translation>
    </message>
    <message>
        <source>You have selected an empty day.
If you want to move trainings here press &apos;Yes&apos;.
If you want to make a copy of this day press &apos;No&apos;.
Press &apos;Cancel&apos; to do nothing.</source>
        <translation>Vous avez sélectionné un jour vide.
Pour déplacer les séances ici, appuyez sur « Oui ».
Pour faire une copie de ce jour, appuyez sur « Non ».
Appuyez sur « Annuler » pour ne rien faire.</translation>
    </message>
    <message>
        <source>Error! Training could not be dated to this day.</source>
        <translation>Erreur ! La séance n&apos;a pas pu être placée ce jour.</translation>
    </message>
    <message>
        <source>Choose the target day.</source>
        <translation>Choisissez le jour cible.</translation>
    </message>
    <message>
        <source>Select the day first.</source>
        <translation>Sélectionnez d&apos;abord le jour.</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>Échanger</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Fusionner</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Déplacer</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
</context>
<context>
    <name>DayPreview</name>
    <message>
        <source>Day note</source>
        <translation>Note du jour</translation>
    </message>
    <message>
        <source>No note</source>
        <translation>Aucune note</translation>
    </message>
    <message>
        <source>Workout area</source>
        <translation>Zone de séance</translation>
    </message>
    <message>
        <source>To add notes to selected day press &quot;Notes&quot; button.</source>
        <translation>Pour ajouter des notes au jour sélectionné, cliquez sur « Notes ».</translation>
    </message>
</context>
<context>
    <name>DayPrintDocument</name>
    <message>
        <source>Exercise</source>
        <translation>Exercice</translation>
    </message>
    <message>
        <source>Sets</source>
        <translation>Séries</translation>
    </message>
    <message>
        <source>Reps</source>
        <translation>Rép.</translation>
    </message>
    <message>
        <source>Forced</source>
        <translation>Forcées</translation>
    </message>
    <message>
        <source>Negative</source>
        <translation>Négatives</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Charge</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>No exercises.</source>
        <translation>Aucun exercice.</translation>
    </message>
    <message>
        <source>No workouts.</source>
        <translation>Aucune séance.</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source> (continued)</source>
        <translation> (suite)</translation>
    </message>
</context>
<context>
    <name>DesktopNotification</name>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
</context>
<context>
    <name>DiaryBackups</name>
    <message>
        <source>The diary file could not be read for a backup:
%1</source>
        <translation>Le fichier du journal n&apos;a pas pu être lu pour une sauvegarde :
%1</translation>
    </message>
    <message>
        <source>A backup of the diary could not be written in:
%1</source>
        <translation>Une sauvegarde du journal n&apos;a pas pu être écrite dans :
%1</translation>
    </message>
    <message>
        <source>the backup of %1 with 1 day</source>
        <translation>la sauvegarde du %1 avec 1 jour</translation>
    </message>
    <message>
        <source>the backup of %1 with %2 days</source>
        <translation>la sauvegarde du %1 avec %2 jours</translation>
    </message>
    <message>
        <source>The backup cannot be read or is damaged:
%1</source>
        <translation>La sauvegarde ne peut pas être lue ou est endommagée :
%1</translation>
    </message>
    <message>
        <source>d MMMM yyyy, HH:mm</source>
        <translation>d MMMM yyyy &apos;à&apos; HH:mm</translation>
    </message>
</context>
<context>
    <name>DiaryCsv</name>
    <message>
        <source>%1 is not a whole number</source>
        <translation>%1 n&apos;est pas un nombre entier</translation>
    </message>
    <message>
        <source>unreadable date &quot;%1&quot;</source>
        <translation>date illisible « %1 »</translation>
    </message>
    <message>
        <source>positions of workout and exercise must count from 1</source>
        <translation>les positions de séance et d&apos;exercice doivent compter à partir de 1</translation>
    </message>
    <message>
        <source>unknown workout status &quot;%1&quot;</source>
        <translation>état de séance inconnu « %1 »</translation>
    </message>
    <message>
        <source>unknown exercise status &quot;%1&quot;</source>
        <translation>état d&apos;exercice inconnu « %1 »</translation>
    </message>
    <message>
        <source>unreadable weight &quot;%1&quot;</source>
        <translation>poids illisible « %1 »</translation>
    </message>
    <message>
        <source>Line %1: the header lacks the column &quot;%2&quot;.</source>
        <translation>Ligne %1 : il manque la colonne « %2 » dans l&apos;en-tête.</translation>
    </message>
</context>
<context>
    <name>DiaryExchange</name>
    <message>
        <source>Export only the %1?

Yes: the selected days.
No: the whole diary (%2).</source>
        <translation>Exporter seulement %1 ?

Oui : les jours sélectionnés.
Non : tout le journal (%2).</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;JSON files (*.json);;All files (*)</source>
        <translation>Fichiers CSV (*.csv);;Fichiers JSON (*.json);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Training log exports: Repbook, Strong, Hevy, FitNotes, LiftLog (*.csv *.json);;All files (*)</source>
        <translation>Exports de carnets d&apos;entraînement : Repbook, Strong, Hevy, FitNotes, LiftLog (*.csv *.json);;Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>DiaryExport</name>
    <message>
        <source>It is a folder.</source>
        <translation>C&apos;est un dossier.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Le dossier %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>The file is write-protected.</source>
        <translation>Le fichier est protégé en écriture.</translation>
    </message>
    <message>
        <source>You may not create files in the folder %1.</source>
        <translation>Vous n&apos;avez pas le droit de créer des fichiers dans le dossier %1.</translation>
    </message>
    <message>
        <source>It is no ordinary file.</source>
        <translation>Ce n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>The folder %1 takes no new files.</source>
        <translation>Le dossier %1 n&apos;accepte pas de nouveaux fichiers.</translation>
    </message>
    <message>
        <source>The export could not be written to:
%1
%2</source>
        <translation>L&apos;export n&apos;a pas pu être écrit dans :
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
        <translation>%1 contient déjà un journal, peut-être d&apos;un autre ordinateur.

Oui : utiliser ce journal. Le journal de cet ordinateur reste où il est, inutilisé.
Non : y fusionner le journal de cet ordinateur, jour par jour. Là où les deux ont un jour avec d&apos;autres saisies, le jour de ce journal-là est gardé et celui de cet ordinateur est enregistré à côté.
Annuler : garder le journal où il est.</translation>
    </message>
    <message>
        <source>Diary folder</source>
        <translation>Dossier du journal</translation>
    </message>
    <message>
        <source>
The diary stays where it is.</source>
        <translation>
Le journal reste où il est.</translation>
    </message>
    <message>
        <source>The diary is now in:
%1

The files in %2 were left as they were; remove them once you no longer need them.</source>
        <translation>Le journal est maintenant dans :
%1

Les fichiers de %2 sont restés tels quels ; supprimez-les quand vous n&apos;en avez plus besoin.</translation>
    </message>
    <message>
        <source>

The ignore file .stignore could not be written there: keep *.lock files and the Backups folder out of the sync by hand.</source>
        <translation>

Le fichier d&apos;exclusion .stignore n&apos;a pas pu y être écrit : excluez à la main les fichiers *.lock et le dossier Backups de la synchronisation.</translation>
    </message>
    <message>
        <source>

Days that both diaries hold with other entries kept the folder&apos;s version; this computer&apos;s were saved in:
%1
Edit &gt; Conflicts shows them beside the folder&apos;s and lets you take them instead.</source>
        <translation>

Les jours que les deux journaux ont avec d&apos;autres saisies ont gardé la version du dossier ; ceux de cet ordinateur ont été enregistrés dans :
%1
Édition &gt; Conflits les affiche à côté de ceux du dossier et permet de les reprendre à la place.</translation>
    </message>
</context>
<context>
    <name>DiaryFolderSwitch</name>
    <message>
        <source>%1 could not be copied to:
%2</source>
        <translation>%1 n&apos;a pas pu être copié dans :
%2</translation>
    </message>
    <message>
        <source>The diary %1 cannot be read or is damaged.</source>
        <translation>Le journal %1 ne peut pas être lu ou est endommagé.</translation>
    </message>
</context>
<context>
    <name>DiaryHistory</name>
    <message>
        <source>&quot;%1 %2&quot; is not possible: another program (the notifier or the command-line tool) has changed %3 since. Doing it would throw that change away.</source>
        <translation>« %1 %2 » est impossible : un autre programme (le rappel ou l&apos;outil en ligne de commande) a modifié %3 depuis. Le faire effacerait cette modification.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
</context>
<context>
    <name>DiaryImport</name>
    <message>
        <source>%1: %2 with %3 to add (%4)%5; %6 already in the diary; %7 skipped.</source>
        <translation>%1 : %2 avec %3 à ajouter (%4)%5 ; %6 déjà dans le journal ; %7 ignorées.</translation>
    </message>
    <message>
        <source>Added %1 with %2 (%3)%4.</source>
        <translation>Ajouté %1 avec %2 (%3)%4.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>du %1 au %2</translation>
    </message>
    <message>
        <source>(no date)</source>
        <translation>(sans date)</translation>
    </message>
    <message>
        <source>%1  new day, %2, %3; %4 already there</source>
        <translation>%1  nouveau jour, %2, %3 ; %4 déjà présent(s)</translation>
    </message>
    <message>
        <source>%1  adds %2, %3; %4 already there</source>
        <translation>%1  ajoute %2, %3 ; %4 déjà présent(s)</translation>
    </message>
    <message>
        <source>line %1 skipped: %2</source>
        <translation>ligne %1 ignorée : %2</translation>
    </message>
</context>
<context>
    <name>DiaryJson</name>
    <message>
        <source>a day must be an object</source>
        <translation>un jour doit être un objet</translation>
    </message>
    <message>
        <source>Day %1 of the file: %2.</source>
        <translation>Jour %1 du fichier : %2.</translation>
    </message>
    <message>
        <source>unreadable date</source>
        <translation>date illisible</translation>
    </message>
    <message>
        <source>unknown status &quot;%1&quot;</source>
        <translation>état inconnu « %1 »</translation>
    </message>
    <message>
        <source>Line %1 is not valid JSON: %2.</source>
        <translation>La ligne %1 n&apos;est pas du JSON valide : %2.</translation>
    </message>
    <message>
        <source>Line 1: this JSON file is no Repbook diary export.</source>
        <translation>Ligne 1 : ce fichier JSON n&apos;est pas un export de journal Repbook.</translation>
    </message>
    <message>
        <source>Line 1: the file was written by a newer Repbook (version %1).</source>
        <translation>Ligne 1 : le fichier a été écrit par un Repbook plus récent (version %1).</translation>
    </message>
    <message>
        <source>Line 1: unknown weight unit &quot;%1&quot;.</source>
        <translation>Ligne 1 : unité de poids inconnue « %1 ».</translation>
    </message>
</context>
<context>
    <name>DiarySaving</name>
    <message>
        <source>The diary file had been damaged outside the program. It was kept as:
%1
The diary was saved again from the days shown here.</source>
        <translation>Le fichier du journal a été endommagé en dehors du programme. Il a été gardé sous :
%1
Le journal a été réenregistré à partir des jours affichés ici.</translation>
    </message>
    <message>
        <source>
Your changes are kept while the program runs, and saving is tried again every minute.</source>
        <translation>
Vos modifications sont gardées tant que le programme tourne, et l&apos;enregistrement est retenté chaque minute.</translation>
    </message>
    <message>
        <source>
The diary itself is saved as usual; the backup is tried again at the next save.</source>
        <translation>
Le journal lui-même est enregistré normalement ; la sauvegarde sera retentée au prochain enregistrement.</translation>
    </message>
    <message>
        <source>Not saved: the days of %1.</source>
        <translation>Non enregistrés : les jours de %1.</translation>
    </message>
    <message>
        <source>%1
%2

Retry, exit without saving (Discard), or go back to the diary (Cancel)?</source>
        <translation>%1
%2

Réessayer, quitter sans enregistrer (Ignorer) ou revenir au journal (Annuler) ?</translation>
    </message>
    <message>
        <source>Another program changed days that were also changed here:
%1
The diary keeps the version shown here. The other version was saved in:
%2
Edit &gt; Conflicts shows it beside the diary&apos;s and lets you take it instead.</source>
        <translation>Un autre programme a modifié des jours également modifiés ici :
%1
Le journal garde la version affichée ici. L&apos;autre version a été enregistrée dans :
%2
Édition &gt; Conflits l&apos;affiche à côté de celle du journal et permet de la reprendre à la place.</translation>
    </message>
</context>
<context>
    <name>EditorControls</name>
    <message>
        <source>New...	Ctrl + N</source>
        <translation>Nouveau...	Ctrl + N</translation>
    </message>
    <message>
        <source>Open...	Ctrl + O</source>
        <translation>Ouvrir...	Ctrl + O</translation>
    </message>
    <message>
        <source>Close	Ctrl + W</source>
        <translation>Fermer	Ctrl + W</translation>
    </message>
    <message>
        <source>Save	Ctrl + S</source>
        <translation>Enregistrer	Ctrl + S</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>Enregistrer sous...</translation>
    </message>
    <message>
        <source>Exit	Ctrl + X</source>
        <translation>Quitter	Ctrl + X</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>Selected exercise(s)	Del</source>
        <translation>Exercice(s) sélectionné(s)	Suppr</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>Move day</source>
        <translation>Déplacer le jour</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Workout...</source>
        <translation>Séance...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Remove selected exercise(s) or day(s)</source>
        <translation>Supprimer les exercices ou jours sélectionnés</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
</context>
<context>
    <name>ExchangeFields</name>
    <message>
        <source>%1 outside %2..%3</source>
        <translation>%1 hors de %2..%3</translation>
    </message>
    <message>
        <source>sets</source>
        <translation>séries</translation>
    </message>
    <message>
        <source>reps</source>
        <translation>répétitions</translation>
    </message>
    <message>
        <source>forced reps</source>
        <translation>répétitions forcées</translation>
    </message>
    <message>
        <source>negative reps</source>
        <translation>répétitions négatives</translation>
    </message>
    <message>
        <source>weight outside 0..%1 kg</source>
        <translation>poids hors de 0..%1 kg</translation>
    </message>
</context>
<context>
    <name>ExerciseColumns</name>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Exercise</source>
        <translation>Exercice</translation>
    </message>
    <message>
        <source>Sets</source>
        <translation>Séries</translation>
    </message>
    <message>
        <source>Reps</source>
        <translation>Rép.</translation>
    </message>
    <message>
        <source>Forced</source>
        <translation>Forcées</translation>
    </message>
    <message>
        <source>Negative</source>
        <translation>Négatives</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Charge</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
</context>
<context>
    <name>ExerciseHistory</name>
    <message>
        <source>Heaviest weight</source>
        <translation>Charge la plus lourde</translation>
    </message>
    <message>
        <source>Estimated 1RM</source>
        <translation>1RM estimé</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Most repetitions</source>
        <translation>Plus de répétitions</translation>
    </message>
    <message>
        <source>Sets</source>
        <translation>Séries</translation>
    </message>
</context>
<context>
    <name>ExportCommand</name>
    <message>
        <source>csv (default) or json.</source>
        <translation>csv (par défaut) ou json.</translation>
    </message>
    <message>
        <source>Write to FILE instead of standard output.</source>
        <translation>Écrire dans FILE au lieu de la sortie standard.</translation>
    </message>
    <message>
        <source>Writes the diary, or the days of a date range, as CSV or JSON.</source>
        <translation>Écrit le journal, ou les jours d&apos;une période, en CSV ou JSON.</translation>
    </message>
    <message>
        <source>export takes no file argument; use --output.</source>
        <translation>export ne prend aucun fichier en argument ; utilisez --output.</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot;.</source>
        <translation>format inconnu « %1 ».</translation>
    </message>
    <message>
        <source>The export could not be written to standard output.</source>
        <translation>L&apos;export n&apos;a pas pu être écrit sur la sortie standard.</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>Training program files (*.rpp);;All files (*)</source>
        <translation>Fichiers de programme d&apos;entraînement (*.rpp);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>PNG images (*.png);;All files (*)</source>
        <translation>Images PNG (*.png);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
</context>
<context>
    <name>FindCommand</name>
    <message>
        <source>Prints the workouts, exercises and notes that contain TEXT, newest first. Case and accents do not matter.</source>
        <translation>Affiche les séances, exercices et notes qui contiennent TEXT, les plus récents d&apos;abord. La casse et les accents ne comptent pas.</translation>
    </message>
    <message>
        <source>The text to find.</source>
        <translation>Le texte à rechercher.</translation>
    </message>
    <message>
        <source>find takes exactly one text (quote a text with spaces).</source>
        <translation>find prend exactement un texte (mettez un texte avec espaces entre guillemets).</translation>
    </message>
    <message>
        <source>find needs a text to look for.</source>
        <translation>find a besoin d&apos;un texte à rechercher.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not found.</source>
        <translation>« %1 » est introuvable.</translation>
    </message>
</context>
<context>
    <name>FindResultsModel</name>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Où</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
</context>
<context>
    <name>ImportCommand</name>
    <message>
        <source>&quot;%1&quot; is no exercise of the diary; the closest is &quot;%2&quot; (--map &quot;%1=%2&quot; joins them).
</source>
        <translation>« %1 » n&apos;est pas un exercice du journal ; le plus proche est « %2 » (--map &quot;%1=%2&quot; les relie).
</translation>
    </message>
    <message>
        <source>auto (default), csv, json, strong, hevy, fitnotes or liftlog.</source>
        <translation>auto (par défaut), csv, json, strong, hevy, fitnotes ou liftlog.</translation>
    </message>
    <message>
        <source>Joins an exercise name of the file to one of the diary, as &quot;NAME IN THE FILE=DIARY NAME&quot; (repeatable; overrides a remembered choice for this run).</source>
        <translation>Relie un nom d&apos;exercice du fichier à un nom du journal, sous la forme &quot;NAME IN THE FILE=DIARY NAME&quot; (répétable ; remplace un choix mémorisé pour cette exécution).</translation>
    </message>
    <message>
        <source>Only print what would be added.</source>
        <translation>Afficher seulement ce qui serait ajouté.</translation>
    </message>
    <message>
        <source>Also print a line for every date.</source>
        <translation>Afficher aussi une ligne par date.</translation>
    </message>
    <message>
        <source>Adds the workouts of a Repbook CSV or JSON export, or of a CSV export of Strong, Hevy, FitNotes or LiftLog, to the diary. Workouts already in the diary are left out. Safe while Repbook or Repminder runs.</source>
        <translation>Ajoute au journal les séances d&apos;un export CSV ou JSON de Repbook, ou d&apos;un export CSV de Strong, Hevy, FitNotes ou LiftLog. Les séances déjà dans le journal sont ignorées. Sans risque pendant que Repbook ou Repminder tourne.</translation>
    </message>
    <message>
        <source>The file to import.</source>
        <translation>Le fichier à importer.</translation>
    </message>
    <message>
        <source>import takes exactly one file.</source>
        <translation>import prend exactement un fichier.</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot;.</source>
        <translation>format inconnu « %1 ».</translation>
    </message>
    <message>
        <source>--map &quot;%1&quot; is not &quot;NAME IN THE FILE=DIARY NAME&quot;.</source>
        <translation>--map &quot;%1&quot; n&apos;est pas de la forme &quot;NAME IN THE FILE=DIARY NAME&quot;.</translation>
    </message>
    <message>
        <source>The diary %1 cannot be read.</source>
        <translation>Le journal %1 ne peut pas être lu.</translation>
    </message>
    <message>
        <source>Nothing to add.
</source>
        <translation>Rien à ajouter.
</translation>
    </message>
    <message>
        <source>Days changed meanwhile by another program were kept in %1.</source>
        <translation>Les jours modifiés entre-temps par un autre programme ont été gardés dans %1.</translation>
    </message>
</context>
<context>
    <name>ImportNameMap</name>
    <message>
        <source>The choices of exercise names could not be saved in %1.</source>
        <translation>Les choix de noms d&apos;exercices n&apos;ont pas pu être enregistrés dans %1.</translation>
    </message>
</context>
<context>
    <name>ImportSource</name>
    <message>
        <source>Line 1: the file has no header.</source>
        <translation>Ligne 1 : le fichier n&apos;a pas d&apos;en-tête.</translation>
    </message>
    <message>
        <source>Line 1: the file is empty.</source>
        <translation>Ligne 1 : le fichier est vide.</translation>
    </message>
    <message>
        <source>Line 1: the file is no export that Repbook can read (a Repbook CSV or JSON file, or a CSV export of Strong, Hevy, FitNotes or LiftLog).</source>
        <translation>Ligne 1 : le fichier n&apos;est pas un export que Repbook sait lire (un fichier CSV ou JSON de Repbook, ou un export CSV de Strong, Hevy, FitNotes ou LiftLog).</translation>
    </message>
    <message>
        <source>%1 is too large to import (%2 MB; at most %3 MB).</source>
        <translation>%1 est trop volumineux pour être importé (%2 Mo ; au plus %3 Mo).</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>%1 ne peut pas être lu.</translation>
    </message>
    <message>
        <source>%1 cannot be imported.
%2</source>
        <translation>%1 ne peut pas être importé.
%2</translation>
    </message>
</context>
<context>
    <name>LaunchDiary</name>
    <message>
        <source>The diary program could not be started:
%1</source>
        <translation>Le programme du journal n&apos;a pas pu être lancé :
%1</translation>
    </message>
</context>
<context>
    <name>LiftLogExport</name>
    <message>
        <source>Line %1: the header is not that of a %2 file.</source>
        <translation>Ligne %1 : l&apos;en-tête n&apos;est pas celui d&apos;un fichier %2.</translation>
    </message>
    <message>
        <source>unreadable timestamp &quot;%1&quot;</source>
        <translation>horodatage illisible « %1 »</translation>
    </message>
    <message>
        <source>unreadable number</source>
        <translation>nombre illisible</translation>
    </message>
    <message>
        <source>unknown unit &quot;%1&quot;</source>
        <translation>unité inconnue « %1 »</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importer...</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exporter...</translation>
    </message>
    <message>
        <source>P&amp;rint preview</source>
        <translation>&amp;Aperçu avant impression</translation>
    </message>
    <message>
        <source>&amp;Print	Ctrl + P</source>
        <translation>Im&amp;primer	Ctrl + P</translation>
    </message>
    <message>
        <source>Restore from &amp;backup...</source>
        <translation>Restaurer depuis une &amp;sauvegarde...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl + Z</source>
        <translation>&amp;Annuler	Ctrl + Z</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl + Y</source>
        <translation>&amp;Rétablir	Ctrl + Y</translation>
    </message>
    <message>
        <source>View...	Return</source>
        <translation>Voir...	Entrée</translation>
    </message>
    <message>
        <source>Notes...	Ctrl + N</source>
        <translation>Notes...	Ctrl + N</translation>
    </message>
    <message>
        <source>&amp;Add workout...	Ins</source>
        <translation>&amp;Ajouter une séance...	Inser</translation>
    </message>
    <message>
        <source>&amp;Move selected</source>
        <translation>&amp;Déplacer la sélection</translation>
    </message>
    <message>
        <source>&amp;Remove selected	Del</source>
        <translation>&amp;Supprimer la sélection	Suppr</translation>
    </message>
    <message>
        <source>&amp;Find...	Ctrl + F</source>
        <translation>Rec&amp;hercher...	Ctrl + F</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>Go to</source>
        <translation>Aller à</translation>
    </message>
    <message>
        <source>Today	Ctrl + Return</source>
        <translation>Aujourd&apos;hui	Ctrl + Entrée</translation>
    </message>
    <message>
        <source>First day	Ctrl + Home</source>
        <translation>Premier jour	Ctrl + Début</translation>
    </message>
    <message>
        <source>Previous day	Ctrl + Left</source>
        <translation>Jour précédent	Ctrl + Gauche</translation>
    </message>
    <message>
        <source>Next day	Ctrl + Right</source>
        <translation>Jour suivant	Ctrl + Droite</translation>
    </message>
    <message>
        <source>Last day	Ctrl + End</source>
        <translation>Dernier jour	Ctrl + Fin</translation>
    </message>
    <message>
        <source>&amp;Refresh	F5</source>
        <translation>A&amp;ctualiser	F5</translation>
    </message>
    <message>
        <source>Set range...</source>
        <translation>Définir la période...</translation>
    </message>
    <message>
        <source>&amp;Selection to range	Ctrl + R</source>
        <translation>Sé&amp;lection comme période	Ctrl + R</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>&amp;Editor...	Ctrl + E</source>
        <translation>É&amp;diteur...	Ctrl + E</translation>
    </message>
    <message>
        <source>Apply program...	Ctrl + Space</source>
        <translation>Appliquer un programme...	Ctrl + Espace</translation>
    </message>
    <message>
        <source>&amp;Progress...	Ctrl + G</source>
        <translation>&amp;Progression...	Ctrl + G</translation>
    </message>
    <message>
        <source>User...</source>
        <translation>Utilisateur...</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Options...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ai&amp;de</translation>
    </message>
    <message>
        <source>&amp;About Repbook...</source>
        <translation>À &amp;propos de Repbook...</translation>
    </message>
    <message>
        <source>&amp;Conflicts...</source>
        <translation>&amp;Conflits...</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Voir</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Déplacer</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Premier</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Dernier</translation>
    </message>
    <message>
        <source>Editor</source>
        <translation>Éditeur</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
</context>
<context>
    <name>MergeCommand</name>
    <message>
        <source>Only print what would be merged.</source>
        <translation>Afficher seulement ce qui serait fusionné.</translation>
    </message>
    <message>
        <source>%1: already merged, %2</source>
        <translation>%1 : déjà fusionné, %2</translation>
    </message>
    <message>
        <source>%1: damaged (fails its integrity check), not merged</source>
        <translation>%1 : endommagé (échoue à la vérification d&apos;intégrité), non fusionné</translation>
    </message>
    <message>
        <source>%1: cannot be read, not merged</source>
        <translation>%1 : illisible, non fusionné</translation>
    </message>
    <message>
        <source>; changed on both sides, the diary&apos;s days kept: %1</source>
        <translation> ; modifiés des deux côtés, jours du journal gardés : %1</translation>
    </message>
    <message>
        <source>Merges the conflict copies that a sync engine (Syncthing, Nextcloud, Dropbox) left beside the diary and its name lists, by date, then removes them. A date changed on both sides keeps the diary&apos;s days; the copy&apos;s are kept in a conflict file beside the diary. Exit code 0: merged or nothing to merge, 1: a copy could not be merged (nothing is written then). Safe while Repbook or Repminder runs.</source>
        <translation>Fusionne par date les copies de conflit qu&apos;un outil de synchronisation (Syncthing, Nextcloud, Dropbox) a laissées à côté du journal et de ses listes de noms, puis les supprime. Une date modifiée des deux côtés garde les jours du journal ; ceux de la copie sont gardés dans un fichier de conflit à côté du journal. Code de sortie 0 : fusionné ou rien à fusionner, 1 : une copie n&apos;a pas pu être fusionnée (rien n&apos;est alors écrit). Sans risque pendant que Repbook ou Repminder tourne.</translation>
    </message>
    <message>
        <source>merge takes no file; use --diary.</source>
        <translation>merge ne prend aucun fichier ; utilisez --diary.</translation>
    </message>
    <message>
        <source>Nothing to merge.
</source>
        <translation>Rien à fusionner.
</translation>
    </message>
    <message>
        <source>%1: names merged</source>
        <translation>%1 : noms fusionnés</translation>
    </message>
    <message>
        <source>%1 names would be added to the name lists</source>
        <translation>%1 noms seraient ajoutés aux listes de noms</translation>
    </message>
    <message>
        <source>%1 names added to the name lists</source>
        <translation>%1 noms ajoutés aux listes de noms</translation>
    </message>
    <message>
        <source>The copies&apos; days of dates changed on both sides are kept in %1</source>
        <translation>Les jours des copies aux dates modifiées des deux côtés sont gardés dans %1</translation>
    </message>
    <message>
        <source>
Nothing was merged.</source>
        <translation>
Rien n&apos;a été fusionné.</translation>
    </message>
    <message>
        <source>%1: would take %2 dates</source>
        <translation>%1 : reprendrait %2 dates</translation>
    </message>
    <message>
        <source>%1: took %2 dates</source>
        <translation>%1 : %2 dates reprises</translation>
    </message>
</context>
<context>
    <name>PeerExports</name>
    <message>
        <source>unreadable date &quot;%1&quot;</source>
        <translation>date illisible « %1 »</translation>
    </message>
    <message>
        <source>unreadable number</source>
        <translation>nombre illisible</translation>
    </message>
    <message>
        <source>Line %1: the header is not that of a %2 file.</source>
        <translation>Ligne %1 : l&apos;en-tête n&apos;est pas celui d&apos;un fichier %2.</translation>
    </message>
</context>
<context>
    <name>PeriodPoints</name>
    <message>
        <source>One point per week: the sum of each week.</source>
        <translation>Un point par semaine : la somme de chaque semaine.</translation>
    </message>
    <message>
        <source>One point per week: the best of each week.</source>
        <translation>Un point par semaine : le meilleur de chaque semaine.</translation>
    </message>
    <message>
        <source>One point per month: the sum of each month.</source>
        <translation>Un point par mois : la somme de chaque mois.</translation>
    </message>
    <message>
        <source>One point per month: the best of each month.</source>
        <translation>Un point par mois : le meilleur de chaque mois.</translation>
    </message>
</context>
<context>
    <name>PrintedDay</name>
    <message>
        <source>Undated day</source>
        <translation>Jour sans date</translation>
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
        <translation>Appliquer le programme</translation>
    </message>
</context>
<context>
    <name>ProgramDayList</name>
    <message>
        <source>Program days</source>
        <translation>Jours du programme</translation>
    </message>
    <message>
        <source>Day %1</source>
        <translation>Jour %1</translation>
    </message>
</context>
<context>
    <name>ProgramFile</name>
    <message>
        <source>Save changes?</source>
        <translation>Enregistrer les modifications ?</translation>
    </message>
    <message>
        <source>Error! File is corrupted.</source>
        <translation>Erreur ! Le fichier est corrompu.</translation>
    </message>
    <message>
        <source>Error! The program could not be saved to
%1</source>
        <translation>Erreur ! Le programme n&apos;a pas pu être enregistré dans
%1</translation>
    </message>
</context>
<context>
    <name>ProgressStatus</name>
    <message>
        <source>Not yet</source>
        <translation>Pas encore</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Réussi</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Échoué</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>none yet</source>
        <translation>aucun pour l&apos;instant</translation>
    </message>
</context>
<context>
    <name>RangeControls</name>
    <message>
        <source>Range</source>
        <translation>Période</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendrier</translation>
    </message>
    <message>
        <source>dates in the range</source>
        <translation>dates de la période</translation>
    </message>
    <message>
        <source>Range of the calendar: %1 to %2</source>
        <translation>Période du calendrier : du %1 au %2</translation>
    </message>
</context>
<context>
    <name>RecordsCommand</name>
    <message>
        <source>Count Failed exercises as well as Done.</source>
        <translation>Compter les exercices échoués comme les réussis.</translation>
    </message>
    <message>
        <source>%1 x %2</source>
        <translation>%1 x %2</translation>
    </message>
    <message>
        <source>Estimated 1RM</source>
        <translation>1RM estimé</translation>
    </message>
    <message>
        <source>Highest day volume</source>
        <translation>Plus gros volume d&apos;une journée</translation>
    </message>
    <message>
        <source>Most reps, weight 0</source>
        <translation>Plus de répétitions, charge 0</translation>
    </message>
    <message>
        <source>Prints the personal records of an exercise, or of every performed exercise, most recently trained first.</source>
        <translation>Affiche les records personnels d&apos;un exercice, ou de chaque exercice réalisé, les plus récemment travaillés d&apos;abord.</translation>
    </message>
    <message>
        <source>The exercise (case and surrounding spaces do not matter); all exercises when left out.</source>
        <translation>L&apos;exercice (casse et espaces autour sans importance) ; tous les exercices s&apos;il est omis.</translation>
    </message>
    <message>
        <source>records takes one exercise at most (quote a name with spaces).</source>
        <translation>records prend au plus un exercice (mettez un nom avec espaces entre guillemets).</translation>
    </message>
    <message>
        <source>No exercise is marked Done in the diary yet.</source>
        <translation>Aucun exercice n&apos;est encore marqué comme réussi dans le journal.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was never done.</source>
        <translation>« %1 » n&apos;a jamais été réussi.</translation>
    </message>
    <message>
        <source>Heaviest, %1 rep</source>
        <translation>Plus lourd, %1 rép.</translation>
    </message>
    <message>
        <source>Heaviest, %1 reps</source>
        <translation>Plus lourd, %1 rép.</translation>
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
        <translation>Meilleur</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Heaviest, 1 rep</source>
        <translation>Plus lourd, 1 rép.</translation>
    </message>
    <message>
        <source>Heaviest, %1 reps</source>
        <translation>Plus lourd, %1 rép.</translation>
    </message>
    <message>
        <source>Estimated 1RM</source>
        <translation>1RM estimé</translation>
    </message>
    <message>
        <source>Highest day volume</source>
        <translation>Plus gros volume d&apos;une journée</translation>
    </message>
    <message>
        <source>Most reps, weight 0</source>
        <translation>Plus de répétitions, charge 0</translation>
    </message>
</context>
<context>
    <name>ReminderScheduler</name>
    <message>
        <source>You have a workout today</source>
        <translation>Vous avez une séance aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Get workout plan by clicking on this message.</source>
        <translation>Cliquez sur ce message pour voir le plan de la séance.</translation>
    </message>
    <message>
        <source>Fill in workout</source>
        <translation>Saisir la séance</translation>
    </message>
    <message>
        <source>Click on this message to fill in your workout results.</source>
        <translation>Cliquez sur ce message pour saisir les résultats de votre séance.</translation>
    </message>
</context>
<context>
    <name>RestoreFlow</name>
    <message>
        <source>Replace the diary by the backup %1?
The diary as it is now is kept as a backup first, and Undo brings it back.</source>
        <translation>Remplacer le journal par la sauvegarde %1 ?
Le journal actuel est d&apos;abord gardé comme sauvegarde, et Annuler le ramène.</translation>
    </message>
    <message>
        <source>
Nothing was restored: the diary as it is now could not be kept first.</source>
        <translation>
Rien n&apos;a été restauré : le journal actuel n&apos;a pas pu être gardé d&apos;abord.</translation>
    </message>
    <message>
        <source>Restore backup</source>
        <translation>Restaurer la sauvegarde</translation>
    </message>
    <message>
        <source>
The restored days are shown, and saving is tried again every minute.</source>
        <translation>
Les jours restaurés sont affichés, et l&apos;enregistrement est retenté chaque minute.</translation>
    </message>
    <message>
        <source>The diary was restored from:
%1</source>
        <translation>Le journal a été restauré depuis :
%1</translation>
    </message>
    <message>
        <source>
The diary as it was is kept as:
%1</source>
        <translation>
Le journal tel qu&apos;il était est gardé sous :
%1</translation>
    </message>
    <message>
        <source>
Days another program had changed meanwhile are kept in:
%1</source>
        <translation>
Les jours modifiés entre-temps par un autre programme sont gardés dans :
%1</translation>
    </message>
</context>
<context>
    <name>SetCollector</name>
    <message>
        <source>unreadable date</source>
        <translation>date illisible</translation>
    </message>
    <message>
        <source>no exercise name</source>
        <translation>pas de nom d&apos;exercice</translation>
    </message>
    <message>
        <source>time or distance only</source>
        <translation>seulement durée ou distance</translation>
    </message>
    <message>
        <source>no weight and no reps</source>
        <translation>ni poids ni répétitions</translation>
    </message>
    <message>
        <source>weight %1 kg outside 0..%2 kg</source>
        <translation>poids %1 kg hors de 0..%2 kg</translation>
    </message>
</context>
<context>
    <name>SharedDiaryFile</name>
    <message>
        <source>The diary file cannot be read:
%1</source>
        <translation>Le fichier du journal ne peut pas être lu :
%1</translation>
    </message>
    <message>
        <source>Days changed on both sides could not be kept in:
%1</source>
        <translation>Les jours modifiés des deux côtés n&apos;ont pas pu être conservés dans :
%1</translation>
    </message>
    <message>
        <source>The diary is not bound to a file.</source>
        <translation>Le journal n&apos;est lié à aucun fichier.</translation>
    </message>
    <message>
        <source>The diary file is being saved by another program:
%1</source>
        <translation>Le fichier du journal est en cours d&apos;enregistrement par un autre programme :
%1</translation>
    </message>
    <message>
        <source>The diary could not be saved to:
%1</source>
        <translation>Le journal n&apos;a pas pu être enregistré dans :
%1</translation>
    </message>
    <message>
        <source>The damaged diary file could not be set aside:
%1</source>
        <translation>Le fichier du journal endommagé n&apos;a pas pu être mis de côté :
%1</translation>
    </message>
</context>
<context>
    <name>StatusCheck</name>
    <message>
        <source>Some exercises in &apos;%1&apos; workout are marked as &apos;%2&apos;, but workout itself is marked as &apos;%3&apos;.
Do you want to mark workout as &apos;%4&apos;?</source>
        <translation>Certains exercices de la séance « %1 » sont marqués « %2 », mais la séance elle-même est marquée « %3 ».
Voulez-vous marquer la séance « %4 » ?</translation>
    </message>
    <message>
        <source>All exercises in &apos;%1&apos; workout are marked as &apos;%2&apos;, but workout itself is marked as &apos;%3&apos;.
Do you want to mark workout as &apos;%4&apos;?</source>
        <translation>Tous les exercices de la séance « %1 » sont marqués « %2 », mais la séance elle-même est marquée « %3 ».
Voulez-vous marquer la séance « %4 » ?</translation>
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
        <translation>Pour ajouter des notes, sélectionnez d&apos;abord un jour.</translation>
    </message>
    <message>
        <source>Do you want to apply the last edited program to selected range?</source>
        <translation>Voulez-vous appliquer le dernier programme modifié à la période sélectionnée ?</translation>
    </message>
</context>
<context>
    <name>WindowHistory</name>
    <message>
        <source>Mark </source>
        <translation>Marquer </translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Usage: repbook-cli [--diary FILE] COMMAND [options]

Works on the Repbook diary from scripts.

Commands:
</source>
        <translation>Utilisation : repbook-cli [--diary FILE] COMMAND [options]

Travaille sur le journal Repbook depuis des scripts.

Commandes :
</translation>
    </message>
    <message>
        <source>
repbook-cli COMMAND --help describes a command&apos;s options. Exit codes: 0 done, 1 failed, 2 bad usage.
</source>
        <translation>
repbook-cli COMMAND --help décrit les options d&apos;une commande. Codes de sortie : 0 réussi, 1 échec, 2 mauvaise utilisation.
</translation>
    </message>
    <message>
        <source>--diary needs a FILE</source>
        <translation>--diary attend un FILE</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot; before the command</source>
        <translation>option inconnue « %1 » avant la commande</translation>
    </message>
    <message>
        <source>a command is missing after %1</source>
        <translation>une commande manque après %1</translation>
    </message>
    <message>
        <source> (see repbook-cli --help)</source>
        <translation> (voir repbook-cli --help)</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot; (see repbook-cli --help)</source>
        <translation>commande inconnue « %1 » (voir repbook-cli --help)</translation>
    </message>
</context>
</TS>
