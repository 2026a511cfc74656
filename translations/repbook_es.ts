<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
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
        <translation>Guarda ahora una copia del diario en su carpeta Backups. Las copias más antiguas se eliminan según la retención del diario.</translation>
    </message>
    <message>
        <source>backup takes no file.</source>
        <translation>backup no admite ningún archivo.</translation>
    </message>
    <message>
        <source>%1: no such file.</source>
        <translation>%1: no existe el archivo.</translation>
    </message>
    <message>
        <source>%1 fails its integrity check: no backup was made.</source>
        <translation>%1 no supera la comprobación de integridad: no se hizo ninguna copia de seguridad.</translation>
    </message>
    <message>
        <source>Replaces the diary by a backup. The diary as it is now is kept as a backup first.</source>
        <translation>Sustituye el diario por una copia de seguridad. El diario tal como está ahora se guarda antes como copia de seguridad.</translation>
    </message>
    <message>
        <source>The backup to restore (see the diary&apos;s Backups folder).</source>
        <translation>La copia de seguridad que restaurar (véase la carpeta Backups del diario).</translation>
    </message>
    <message>
        <source>restore takes exactly one backup file.</source>
        <translation>restore admite exactamente un archivo de copia de seguridad.</translation>
    </message>
    <message>
        <source>The diary %1 cannot be read.</source>
        <translation>No se puede leer el diario %1.</translation>
    </message>
    <message>
        <source>Restored %1 from %2.
</source>
        <translation>%1 restaurado desde %2.
</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Repbook</source>
        <translation>Acerca de Repbook</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Soporte</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>A personal workout diary, with Repminder, its workout notifier.</source>
        <translation>Un diario de entrenamiento personal, con Repminder, su recordatorio de entrenamientos.</translation>
    </message>
    <message>
        <source>Running on Qt %1.</source>
        <translation>Funciona con Qt %1.</translation>
    </message>
    <message>
        <source>Repbook keeps everything on this computer. To back up your diary or move it to another computer, copy these files.</source>
        <translation>Repbook guarda todo en este equipo. Para hacer una copia de su diario o llevarlo a otro equipo, copie estos archivos.</translation>
    </message>
    <message>
        <source>Diary:</source>
        <translation>Diario:</translation>
    </message>
    <message>
        <source>Name lists:</source>
        <translation>Listas de nombres:</translation>
    </message>
    <message>
        <source>Settings:</source>
        <translation>Configuración:</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Abrir carpeta</translation>
    </message>
    <message>
        <source>The folder does not exist yet:
%1</source>
        <translation>La carpeta aún no existe:
%1</translation>
    </message>
    <message>
        <source>The folder could not be opened:
%1</source>
        <translation>No se pudo abrir la carpeta:
%1</translation>
    </message>
    <message>
        <source>Licensed under the GNU General Public License, version 3 or later.</source>
        <translation>Publicado bajo la Licencia Pública General de GNU, versión 3 o posterior.</translation>
    </message>
</context>
<context>
    <name>CApplyProgramDlg</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Apply program</source>
        <translation>Aplicar programa</translation>
    </message>
    <message>
        <source>Choose days</source>
        <translation>Elegir días</translation>
    </message>
</context>
<context>
    <name>CCommentDlg</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Day note</source>
        <translation>Nota del día</translation>
    </message>
</context>
<context>
    <name>CConflictsDlg</name>
    <message>
        <source>No workouts.</source>
        <translation>Sin entrenamientos.</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Nota: %1</translation>
    </message>
    <message>
        <source>This diary&apos;s version</source>
        <translation>Versión de este diario</translation>
    </message>
    <message>
        <source>Other version</source>
        <translation>Otra versión</translation>
    </message>
    <message>
        <source>&amp;Take other version</source>
        <translation>&amp;Tomar la otra versión</translation>
    </message>
    <message>
        <source>&amp;Dismiss other version...</source>
        <translation>&amp;Descartar la otra versión...</translation>
    </message>
    <message>
        <source>&amp;Show in calendar</source>
        <translation>&amp;Mostrar en el calendario</translation>
    </message>
    <message>
        <source>Conflicts</source>
        <translation>Conflictos</translation>
    </message>
    <message>
        <source>Dates changed on both sides</source>
        <translation>Fechas cambiadas en ambos lados</translation>
    </message>
    <message>
        <source>D&amp;ates:</source>
        <translation>F&amp;echas:</translation>
    </message>
    <message>
        <source>In this diary (kept):</source>
        <translation>En este diario (conservada):</translation>
    </message>
    <message>
        <source>Other version:</source>
        <translation>Otra versión:</translation>
    </message>
    <message>
        <source>Puts the other version into the diary; Undo brings this diary&apos;s back</source>
        <translation>Pone la otra versión en el diario; Deshacer recupera la de este diario</translation>
    </message>
    <message>
        <source>Keeps this diary&apos;s version and removes the other one</source>
        <translation>Conserva la versión de este diario y elimina la otra</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>the other version was kept on %1</source>
        <translation>la otra versión se guardó el %1</translation>
    </message>
    <message>
        <source>the other version was kept</source>
        <translation>la otra versión se guardó</translation>
    </message>
    <message>
        <source>No conflicts: no day was changed on both sides.</source>
        <translation>Sin conflictos: ningún día se cambió en ambos lados.</translation>
    </message>
    <message>
        <source>One date was changed here and elsewhere (on another computer or in the notifier). The diary kept its version; take the other one if it is the one you want.</source>
        <translation>Una fecha se cambió aquí y en otro lugar (en otro equipo o en el recordatorio). El diario conservó su versión; tome la otra si es la que quiere.</translation>
    </message>
    <message>
        <source>%1 dates were changed here and elsewhere (on another computer or in the notifier). The diary kept its version of each; take the other one where it is the one you want.</source>
        <translation>%1 fechas se cambiaron aquí y en otro lugar (en otro equipo o en el recordatorio). El diario conservó su versión de cada una; tome la otra donde sea la que quiere.</translation>
    </message>
    <message>
        <source>These conflict files are damaged and cannot be shown: %1</source>
        <translation>Estos archivos de conflicto están dañados y no se pueden mostrar: %1</translation>
    </message>
    <message>
        <source>Dismiss the other version of %1?
The diary keeps its version; the other one is removed for good.</source>
        <translation>¿Descartar la otra versión de %1?
El diario conserva su versión; la otra se elimina definitivamente.</translation>
    </message>
</context>
<context>
    <name>CConsistencyPage</name>
    <message>
        <source>Previous year</source>
        <translation>Año anterior</translation>
    </message>
    <message>
        <source>Next year</source>
        <translation>Año siguiente</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>&amp;Año:</translation>
    </message>
    <message>
        <source>Planned workouts done</source>
        <translation>Entrenamientos planificados completados</translation>
    </message>
    <message>
        <source>Weeks in a row with a done workout: %1 now, %2 at most.</source>
        <translation>Semanas seguidas con un entrenamiento completado: %1 ahora, %2 como máximo.</translation>
    </message>
    <message>
        <source>No workout in %1. Plan workouts in the calendar and fill in the results: each day then shows here how it went.</source>
        <translation>Ningún entrenamiento en %1. Planifique entrenamientos en el calendario y anote los resultados: entonces cada día mostrará aquí cómo fue.</translation>
    </message>
    <message>
        <source>%1 of %2 planned workouts done</source>
        <translation>%1 de %2 entrenamientos planificados completados</translation>
    </message>
</context>
<context>
    <name>CDayDlg</name>
    <message>
        <source>Workout planning</source>
        <translation>Planificación del entrenamiento</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
</context>
<context>
    <name>CDayPrinter</name>
    <message>
        <source>There is nothing to print: no training day is selected.</source>
        <translation>No hay nada que imprimir: no hay ningún día de entrenamiento seleccionado.</translation>
    </message>
    <message>
        <source>The training log could not be printed. Check the printer or the file name and try again.</source>
        <translation>No se pudo imprimir el diario de entrenamiento. Compruebe la impresora o el nombre del archivo e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>Vista previa de impresión</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Training log</source>
        <translation>Diario de entrenamiento</translation>
    </message>
</context>
<context>
    <name>CDayTabCtrl</name>
    <message>
        <source>Workouts</source>
        <translation>Entrenamientos</translation>
    </message>
    <message>
        <source>Exercises</source>
        <translation>Ejercicios</translation>
    </message>
    <message>
        <source>Mark exercise(s) as &apos;%1&apos;</source>
        <translation>Marcar ejercicio(s) como «%1»</translation>
    </message>
</context>
<context>
    <name>CDisplayDlg</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Display range</source>
        <translation>Intervalo mostrado</translation>
    </message>
    <message>
        <source>Start date:</source>
        <translation>Fecha de inicio:</translation>
    </message>
    <message>
        <source>End date:</source>
        <translation>Fecha de fin:</translation>
    </message>
    <message>
        <source>Total days:</source>
        <translation>Días en total:</translation>
    </message>
</context>
<context>
    <name>CEditorDlg</name>
    <message>
        <source>Workout programs editor</source>
        <translation>Editor de programas de entrenamiento</translation>
    </message>
    <message>
        <source>You need to fill the current day first.</source>
        <translation>Primero debe completar el día actual.</translation>
    </message>
</context>
<context>
    <name>CEmptyDlg</name>
    <message>
        <source>You must not see this.</source>
        <translation>No debería ver esto.</translation>
    </message>
    <message>
        <source>This is an empty training program. To open existing training program double click on this window.</source>
        <translation>Este es un programa de entrenamiento vacío. Para abrir un programa existente, haga doble clic en esta ventana.</translation>
    </message>
    <message>
        <source>There are no workouts dated to this day. To add new workout double click on this window.</source>
        <translation>No hay entrenamientos para este día. Para añadir un entrenamiento, haga doble clic en esta ventana.</translation>
    </message>
    <message>
        <source>There are no exercises planned on this workout. To add new exercise double click on this window.</source>
        <translation>No hay ejercicios planificados en este entrenamiento. Para añadir un ejercicio, haga doble clic en esta ventana.</translation>
    </message>
    <message>
        <source>No workouts can be dated to this day. Change the display range.</source>
        <translation>No se pueden asignar entrenamientos a este día. Cambie el intervalo mostrado.</translation>
    </message>
</context>
<context>
    <name>CExerciseDlg</name>
    <message>
        <source>Add exercise</source>
        <translation>Añadir ejercicio</translation>
    </message>
</context>
<context>
    <name>CExercisePage</name>
    <message>
        <source>No exercise is marked Done yet.

Open a day in the diary, fill in what you lifted and mark the exercises Done
(entering a weight does that): their progress and records appear here.</source>
        <translation>Todavía no hay ningún ejercicio marcado como hecho.

Abra un día en el diario, anote lo que levantó y marque los ejercicios como hechos
(introducir un peso lo hace): aquí aparecerán su progreso y sus récords.</translation>
    </message>
    <message>
        <source>Filter exercises</source>
        <translation>Filtrar ejercicios</translation>
    </message>
    <message>
        <source>Exercises</source>
        <translation>Ejercicios</translation>
    </message>
    <message>
        <source>Exercise</source>
        <translation>Ejercicio</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Días</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Último</translation>
    </message>
    <message>
        <source>Count &amp;failed exercises</source>
        <translation>Contar ejercicios &amp;fallidos</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Gráfico</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Récords</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Mostrar:</translation>
    </message>
    <message>
        <source>Save &amp;image...</source>
        <translation>Guardar &amp;imagen...</translation>
    </message>
    <message>
        <source>Choose an exercise on the left</source>
        <translation>Elija un ejercicio a la izquierda</translation>
    </message>
    <message>
        <source>Choose an exercise to see its progress</source>
        <translation>Elija un ejercicio para ver su progreso</translation>
    </message>
    <message>
        <source>No training day of %1 in this range</source>
        <translation>Ningún día de entrenamiento de %1 en este intervalo</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>Save chart image</source>
        <translation>Guardar imagen del gráfico</translation>
    </message>
    <message>
        <source>The chart could not be saved as %1.</source>
        <translation>No se pudo guardar el gráfico como %1.</translation>
    </message>
</context>
<context>
    <name>CFPSMiniCalendarCtrl</name>
    <message>
        <source>marked dates</source>
        <translation>fechas marcadas</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Mes anterior</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Mes siguiente</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
</context>
<context>
    <name>CFindDlg</name>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Fi&amp;nd:</source>
        <translation>Bu&amp;scar:</translation>
    </message>
    <message>
        <source>Workout, exercise or note</source>
        <translation>Entrenamiento, ejercicio o nota</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Type to find workouts, exercises and notes.</source>
        <translation>Escriba para buscar entrenamientos, ejercicios y notas.</translation>
    </message>
    <message>
        <source>No match.</source>
        <translation>Sin coincidencias.</translation>
    </message>
    <message>
        <source>1 match.</source>
        <translation>1 coincidencia.</translation>
    </message>
    <message>
        <source>%1 matches.</source>
        <translation>%1 coincidencias.</translation>
    </message>
</context>
<context>
    <name>CImportPreviewDlg</name>
    <message>
        <source>Import Preview</source>
        <translation>Vista previa de la importación</translation>
    </message>
    <message>
        <source>Everything in this file is already in the diary: nothing to add.</source>
        <translation>Todo lo de este archivo ya está en el diario: nada que añadir.</translation>
    </message>
    <message>
        <source>Adds %1 with %2 on %3 (%4 new).</source>
        <translation>Añade %1 con %2 en %3 (%4 nuevos).</translation>
    </message>
    <message>
        <source>The file gives weights in pounds: they are stored in kilograms and shown in pounds.</source>
        <translation>El archivo da los pesos en libras: se guardan en kilogramos y se muestran en libras.</translation>
    </message>
    <message>
        <source>The file gives weights in pounds: they are stored in kilograms, the file&apos;s pounds shown beside them.</source>
        <translation>El archivo da los pesos en libras: se guardan en kilogramos, con las libras del archivo al lado.</translation>
    </message>
    <message>
        <source>The file gives weights in kilograms: they are stored as they are and shown in pounds.</source>
        <translation>El archivo da los pesos en kilogramos: se guardan tal cual y se muestran en libras.</translation>
    </message>
    <message>
        <source>Weights are in kilograms, as in the file.</source>
        <translation>Los pesos están en kilogramos, como en el archivo.</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt; (%2)&lt;br&gt;%3&lt;br&gt;Already in the diary, left out: %4. Rows skipped: %5.&lt;br&gt;%6</source>
        <translation>&lt;b&gt;%1&lt;/b&gt; (%2)&lt;br&gt;%3&lt;br&gt;Ya en el diario, omitidos: %4. Filas omitidas: %5.&lt;br&gt;%6</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Workouts added</source>
        <translation>Entrenamientos
añadidos</translation>
    </message>
    <message>
        <source>Exercises added</source>
        <translation>Ejercicios
añadidos</translation>
    </message>
    <message>
        <source>Already there</source>
        <translation>Ya presentes</translation>
    </message>
    <message>
        <source>Workouts: sets × reps × weight</source>
        <translation>Entrenamientos: series × repeticiones × peso</translation>
    </message>
    <message>
        <source>  (new day)</source>
        <translation>  (día nuevo)</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(sin nombre)</translation>
    </message>
    <message>
        <source>Per date</source>
        <translation>Por fecha</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Línea</translation>
    </message>
    <message>
        <source>Skipped because</source>
        <translation>Omitida porque</translation>
    </message>
    <message>
        <source>Rows that cannot be stored</source>
        <translation>Filas que no se pueden guardar</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importar</translation>
    </message>
    <message>
        <source>Per date:</source>
        <translation>Por fecha:</translation>
    </message>
    <message>
        <source>Rows of the file that cannot be stored:</source>
        <translation>Filas del archivo que no se pueden guardar:</translation>
    </message>
</context>
<context>
    <name>CNameDlg</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
</context>
<context>
    <name>CNameMappingPanel</name>
    <message>
        <source>Exercise names not in the diary (tick to record one under the diary&apos;s name beside it; unticked names become new exercises):</source>
        <translation>Nombres de ejercicios que no están en el diario (marque uno para registrarlo con el nombre del diario de al lado; los no marcados serán ejercicios nuevos):</translation>
    </message>
    <message>
        <source>Record &quot;%1&quot; under the diary&apos;s name beside it</source>
        <translation>Registrar «%1» con el nombre del diario de al lado</translation>
    </message>
    <message>
        <source>diary name</source>
        <translation>nombre en el diario</translation>
    </message>
    <message>
        <source>Diary name for %1</source>
        <translation>Nombre en el diario para %1</translation>
    </message>
</context>
<context>
    <name>CNotifierWindow</name>
    <message>
        <source>No reminder at the moment</source>
        <translation>Ningún recordatorio por ahora</translation>
    </message>
    <message>
        <source>This desktop has no notification area, so the workout notifier shows this window. It comes to the front when there is something to remind you of.</source>
        <translation>Este escritorio no tiene área de notificación, así que el recordatorio de entrenamientos muestra esta ventana. Pasa al frente cuando hay algo que recordarle.</translation>
    </message>
    <message>
        <source>Repminder - workout notifier</source>
        <translation>Repminder - recordatorio de entrenamientos</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>O&amp;ptions</source>
        <translation>O&amp;pciones</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Click &quot;Open&quot; to see the reminder.</source>
        <translation>Pulse «Abrir» para ver el recordatorio.</translation>
    </message>
</context>
<context>
    <name>CNotifyDlg</name>
    <message>
        <source>View</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Ask about workout results at</source>
        <translation>Preguntar por los resultados del entrenamiento a las</translation>
    </message>
    <message>
        <source>Workout remind</source>
        <translation>Recordatorio de entrenamiento</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Mover</translation>
    </message>
    <message>
        <source>Open Diary</source>
        <translation>Abrir diario</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Cancel workout</source>
        <translation>Cancelar entrenamiento</translation>
    </message>
    <message>
        <source>Remind me later</source>
        <translation>Recordar más tarde</translation>
    </message>
    <message>
        <source>Time to ask about workout results</source>
        <translation>Hora de preguntar por los resultados del entrenamiento</translation>
    </message>
    <message>
        <source>Please fill in information about your workout results</source>
        <translation>Por favor, anote los resultados de su entrenamiento</translation>
    </message>
    <message>
        <source>Fill in</source>
        <translation>Anotar</translation>
    </message>
    <message>
        <source>You have a workout today</source>
        <translation>Hoy tiene entrenamiento</translation>
    </message>
    <message>
        <source>The diary database could not be read or is damaged:
%1
Open the diary to check it.</source>
        <translation>No se pudo leer la base de datos del diario o está dañada:
%1
Abra el diario para comprobarla.</translation>
    </message>
    <message>
        <source>There is no workout for today in the diary.</source>
        <translation>El diario no tiene ningún entrenamiento para hoy.</translation>
    </message>
    <message>
        <source>The workout could not be saved to the diary database.
%1
Try again?</source>
        <translation>No se pudo guardar el entrenamiento en la base de datos del diario.
%1
¿Reintentar?</translation>
    </message>
    <message>
        <source>There is no workout for today to print.</source>
        <translation>Hoy no hay ningún entrenamiento que imprimir.</translation>
    </message>
    <message>
        <source>The diary changed this day while you were editing it. The diary&apos;s version was kept; your entries were saved in:
%1
In the diary, Edit &gt; Conflicts shows them beside its version and lets you take them instead.</source>
        <translation>El diario cambió este día mientras usted lo editaba. Se conservó la versión del diario; sus datos se guardaron en:
%1
En el diario, Editar &gt; Conflictos los muestra junto a su versión y permite tomarlos en su lugar.</translation>
    </message>
</context>
<context>
    <name>COptionsCommonPage</name>
    <message>
        <source>Shields</source>
        <translation>Escudos</translation>
    </message>
    <message>
        <source>Flags</source>
        <translation>Banderas</translation>
    </message>
    <message>
        <source>Make a delay while program applying</source>
        <translation>Hacer una pausa al aplicar un programa</translation>
    </message>
    <message>
        <source>&amp;Kilograms (kg)</source>
        <translation>&amp;Kilogramos (kg)</translation>
    </message>
    <message>
        <source>&amp;Pounds (lb)</source>
        <translation>&amp;Libras (lb)</translation>
    </message>
    <message>
        <source>Status images</source>
        <translation>Imágenes de estado</translation>
    </message>
    <message>
        <source>Program applying</source>
        <translation>Aplicación de programas</translation>
    </message>
    <message>
        <source>Weight unit</source>
        <translation>Unidad de peso</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apariencia</translation>
    </message>
    <message>
        <source>S&amp;ystem (as the desktop)</source>
        <translation>S&amp;istema (como el escritorio)</translation>
    </message>
    <message>
        <source>&amp;Light</source>
        <translation>C&amp;lara</translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <translation>&amp;Oscura</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>La&amp;nguage:</source>
        <translation>Id&amp;ioma:</translation>
    </message>
    <message>
        <source>A new language takes effect the next time Repbook starts.</source>
        <translation>Un nuevo idioma se aplica la próxima vez que se inicie Repbook.</translation>
    </message>
</context>
<context>
    <name>COptionsDlg</name>
    <message>
        <source>&amp;Launch at logon</source>
        <translation>&amp;Iniciar al entrar en la sesión</translation>
    </message>
    <message>
        <source>Show notification &amp;icon in taskbar</source>
        <translation>Mostrar el &amp;icono en el área de notificación</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Notify</source>
        <translation>Recordar</translation>
    </message>
    <message>
        <source>&amp;Never</source>
        <translation>&amp;Nunca</translation>
    </message>
    <message>
        <source>On &amp;startup only</source>
        <translation>Solo al &amp;iniciar</translation>
    </message>
    <message>
        <source>&amp;Every</source>
        <translation>&amp;Cada</translation>
    </message>
    <message>
        <source>Minutes between reminders</source>
        <translation>Minutos entre recordatorios</translation>
    </message>
    <message>
        <source>Misc</source>
        <translation>Varios</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Please enter the number of minutes between reminders, from 1 to %1.</source>
        <translation>Introduzca los minutos entre recordatorios, de 1 a %1.</translation>
    </message>
    <message>
        <source>The logon entry could not be written:
%1</source>
        <translation>No se pudo escribir la entrada de inicio de sesión:
%1</translation>
    </message>
    <message>
        <source>The logon entry could not be removed:
%1</source>
        <translation>No se pudo quitar la entrada de inicio de sesión:
%1</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutos</translation>
    </message>
</context>
<context>
    <name>COptionsFolderPage</name>
    <message>
        <source>&amp;Change...</source>
        <translation>&amp;Cambiar...</translation>
    </message>
    <message>
        <source>Diary folder</source>
        <translation>Carpeta del diario</translation>
    </message>
    <message>
        <source>The diary and the lists of exercise and workout names are kept here. To use one diary on several computers, choose a folder that a sync program (Syncthing, Nextcloud, Dropbox) shares between them. Backups stay on this computer.</source>
        <translation>Aquí se guardan el diario y las listas de nombres de ejercicios y entrenamientos. Para usar un diario en varios equipos, elija una carpeta que un programa de sincronización (Syncthing, Nextcloud, Dropbox) comparta entre ellos. Las copias de seguridad se quedan en este equipo.</translation>
    </message>
    <message>
        <source>The folder is set by REPBOOK_HOME or by the portable installation.</source>
        <translation>La carpeta la fija REPBOOK_HOME o la instalación portátil.</translation>
    </message>
</context>
<context>
    <name>COptionsSheet</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Diary folder</source>
        <translation>Carpeta del diario</translation>
    </message>
</context>
<context>
    <name>CPasswordDlg</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Access denied</source>
        <translation>Acceso denegado</translation>
    </message>
    <message>
        <source>Enter password:</source>
        <translation>Introduzca la contraseña:</translation>
    </message>
    <message>
        <source>Password incorrect.</source>
        <translation>Contraseña incorrecta.</translation>
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
        <translation>Progreso</translation>
    </message>
    <message>
        <source>&amp;Exercises</source>
        <translation>&amp;Ejercicios</translation>
    </message>
    <message>
        <source>&amp;Consistency</source>
        <translation>&amp;Constancia</translation>
    </message>
</context>
<context>
    <name>CRepbookApp</name>
    <message>
        <source>Warning! Program database is corrupted.
Do you want to create new database? All your information will be lost. To recover it contact developers.</source>
        <translation>¡Atención! La base de datos del programa está dañada.
¿Desea crear una base de datos nueva? Se perderá toda su información. Para recuperarla, contacte con los desarrolladores.</translation>
    </message>
    <message>
        <source>Warning! Program database is corrupted.
Do you want to create new database? The damaged file will be kept beside the new one. To recover it contact developers.</source>
        <translation>¡Atención! La base de datos del programa está dañada.
¿Desea crear una base de datos nueva? El archivo dañado se guardará junto al nuevo. Para recuperarlo, contacte con los desarrolladores.</translation>
    </message>
    <message>
        <source>Warning! Program database is corrupted.
The newest sound backup is %1.

Restore that backup, create a new, empty database, or quit?</source>
        <translation>¡Atención! La base de datos del programa está dañada.
La copia de seguridad sana más reciente es %1.

¿Restaurar esa copia, crear una base de datos nueva y vacía o salir?</translation>
    </message>
    <message>
        <source> The damaged file will be kept beside the diary.</source>
        <translation> El archivo dañado se guardará junto al diario.</translation>
    </message>
    <message>
        <source>Application is already running</source>
        <translation>La aplicación ya se está ejecutando</translation>
    </message>
    <message>
        <source>&amp;Restore backup</source>
        <translation>&amp;Restaurar copia</translation>
    </message>
    <message>
        <source>&amp;New database</source>
        <translation>&amp;Nueva base de datos</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Application is closing.</source>
        <translation>La aplicación se está cerrando.</translation>
    </message>
    <message>
        <source>The backup could not be restored to:
%1
Application is closing.</source>
        <translation>No se pudo restaurar la copia de seguridad en:
%1
La aplicación se está cerrando.</translation>
    </message>
    <message>
        <source>The damaged database could not be set aside:
%1
It was left unchanged. Application is closing.</source>
        <translation>No se pudo apartar la base de datos dañada:
%1
Quedó sin cambios. La aplicación se está cerrando.</translation>
    </message>
    <message>
        <source>The damaged database was kept as:
%1</source>
        <translation>La base de datos dañada se guardó como:
%1</translation>
    </message>
    <message>
        <source>A new database could not be created:
%1
The diary opens empty and cannot be saved.</source>
        <translation>No se pudo crear una base de datos nueva:
%1
El diario se abre vacío y no se puede guardar.</translation>
    </message>
</context>
<context>
    <name>CRepbookDlg</name>
    <message>
        <source>Training calendar</source>
        <translation>Calendario de entrenamiento</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importación</translation>
    </message>
    <message>
        <source>Add workout</source>
        <translation>Añadir entrenamiento</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edición</translation>
    </message>
    <message>
        <source>Do you want to exit application?</source>
        <translation>¿Desea salir de la aplicación?</translation>
    </message>
</context>
<context>
    <name>CRestoreDlg</name>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurar</translation>
    </message>
    <message>
        <source>Restore from backup</source>
        <translation>Restaurar desde copia de seguridad</translation>
    </message>
    <message>
        <source>Made</source>
        <translation>Creada</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Días</translation>
    </message>
    <message>
        <source>Last day</source>
        <translation>Último día</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Copias de seguridad</translation>
    </message>
    <message>
        <source>Days in this backup</source>
        <translation>Días en esta copia</translation>
    </message>
    <message>
        <source>There are no backups yet. The diary makes one before its first save of each day.</source>
        <translation>Aún no hay copias de seguridad. El diario hace una antes de su primer guardado de cada día.</translation>
    </message>
    <message>
        <source>&amp;Backups, newest first. Restoring one keeps the diary as it is now as a backup first.</source>
        <translation>&amp;Copias de seguridad, la más reciente primero. Al restaurar una, el diario actual se guarda antes como copia.</translation>
    </message>
    <message>
        <source>Choose a backup to see its days.</source>
        <translation>Elija una copia para ver sus días.</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>dañada</translation>
    </message>
    <message>
        <source>This backup cannot be read or is damaged.</source>
        <translation>Esta copia no se puede leer o está dañada.</translation>
    </message>
    <message>
        <source>&amp;Days in this backup (%1), read-only:</source>
        <translation>&amp;Días en esta copia (%1), solo lectura:</translation>
    </message>
</context>
<context>
    <name>CTrainingDlg</name>
    <message>
        <source>Add workout</source>
        <translation>Añadir entrenamiento</translation>
    </message>
</context>
<context>
    <name>CTrayIcon</name>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>O&amp;ptions</source>
        <translation>O&amp;pciones</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Repminder - workout notifier</source>
        <translation>Repminder - recordatorio de entrenamientos</translation>
    </message>
</context>
<context>
    <name>CUserDataDlg</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>User data</source>
        <translation>Datos del usuario</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>General</translation>
    </message>
    <message>
        <source>First name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Last name:</source>
        <translation>Apellidos:</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Seguridad</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Contraseña:</translation>
    </message>
    <message>
        <source>Confirmation:</source>
        <translation>Confirmación:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Altura:</translation>
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
        <translation>Pecho:</translation>
    </message>
    <message>
        <source>Biceps:</source>
        <translation>Bíceps:</translation>
    </message>
    <message>
        <source>Anthropometrics</source>
        <translation>Medidas corporales</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Omitir</translation>
    </message>
    <message>
        <source>Password and confirmation fields does not match.</source>
        <translation>La contraseña y la confirmación no coinciden.</translation>
    </message>
    <message>
        <source>Please enter a whole number.</source>
        <translation>Introduzca un número entero.</translation>
    </message>
</context>
<context>
    <name>CYearGrid</name>
    <message>
        <source>Year %1</source>
        <translation>Año %1</translation>
    </message>
    <message>
        <source>All workouts done</source>
        <translation>Todos los entrenamientos hechos</translation>
    </message>
    <message>
        <source>Some workouts done</source>
        <translation>Algunos entrenamientos hechos</translation>
    </message>
    <message>
        <source>Failed only</source>
        <translation>Solo fallidos</translation>
    </message>
    <message>
        <source>Planned but missed</source>
        <translation>Planificado pero no hecho</translation>
    </message>
    <message>
        <source>Planned ahead</source>
        <translation>Planificado con antelación</translation>
    </message>
    <message>
        <source>No workout</source>
        <translation>Sin entrenamiento</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Mié</translation>
    </message>
</context>
<context>
    <name>CalendarRange</name>
    <message>
        <source>%1 (today)</source>
        <translation>%1 (hoy)</translation>
    </message>
    <message>
        <source>Range - 1 month</source>
        <translation>Intervalo - 1 mes</translation>
    </message>
    <message>
        <source>Range - 2 months</source>
        <translation>Intervalo - 2 meses</translation>
    </message>
    <message>
        <source>Range - 3 months</source>
        <translation>Intervalo - 3 meses</translation>
    </message>
    <message>
        <source>Range - 6 months</source>
        <translation>Intervalo - 6 meses</translation>
    </message>
    <message>
        <source>Range - year</source>
        <translation>Intervalo - año</translation>
    </message>
    <message>
        <source>Set...</source>
        <translation>Definir...</translation>
    </message>
    <message>
        <source>1-st of %1</source>
        <extracomment>The first day of a month in a calendar cell; %1 is the month&apos;s name as in a date.</extracomment>
        <translation>1 de %1</translation>
    </message>
</context>
<context>
    <name>ChartRange</name>
    <message>
        <source>All time</source>
        <translation>Todo el tiempo</translation>
    </message>
    <message>
        <source>Calendar range</source>
        <translation>Intervalo del calendario</translation>
    </message>
    <message>
        <source>5 years</source>
        <translation>5 años</translation>
    </message>
    <message>
        <source>1 year</source>
        <translation>1 año</translation>
    </message>
    <message>
        <source>6 months</source>
        <translation>6 meses</translation>
    </message>
    <message>
        <source>3 months</source>
        <translation>3 meses</translation>
    </message>
</context>
<context>
    <name>ChartSummary</name>
    <message>
        <source>%1 on %2</source>
        <translation>%1 el %2</translation>
    </message>
    <message>
        <source>%1: no data</source>
        <translation>%1: sin datos</translation>
    </message>
    <message>
        <source>%1: first %2, latest %3, best %4</source>
        <translation>%1: primero %2, último %3, mejor %4</translation>
    </message>
</context>
<context>
    <name>CheckCommand</name>
    <message>
        <source>Runs the integrity check of a diary file and prints its day count and date range. Exit code 0: sound, 1: damaged or unreadable.</source>
        <translation>Comprueba la integridad de un archivo de diario e indica su número de días y su intervalo de fechas. Código de salida 0: sano, 1: dañado o ilegible.</translation>
    </message>
    <message>
        <source>The diary file (default: --diary or the data folder&apos;s diary).</source>
        <translation>El archivo del diario (por defecto: --diary o el diario de la carpeta de datos).</translation>
    </message>
    <message>
        <source>check takes one file at most.</source>
        <translation>check admite como mucho un archivo.</translation>
    </message>
    <message>
        <source>%1: no such file.</source>
        <translation>%1: no existe el archivo.</translation>
    </message>
    <message>
        <source>
The newest sound backup is %1:
%2
Restore it with: repbook-cli restore &quot;%2&quot;</source>
        <translation>
La copia de seguridad sana más reciente es %1:
%2
Restáurela con: repbook-cli restore &quot;%2&quot;</translation>
    </message>
    <message>
        <source>no dates</source>
        <translation>sin fechas</translation>
    </message>
    <message>
        <source>Conflict copies left by a sync engine (repbook-cli merge merges them):
</source>
        <translation>Copias de conflicto dejadas por un programa de sincronización (repbook-cli merge las fusiona):
</translation>
    </message>
    <message>
        <source> to </source>
        <translation> a </translation>
    </message>
    <message>
        <source>%1: sound, %2, %3
</source>
        <translation>%1: sano, %2, %3
</translation>
    </message>
</context>
<context>
    <name>Command</name>
    <message>
        <source>Work on the diary FILE instead of the one in the data folder.</source>
        <translation>Trabajar con el diario FILE en lugar del de la carpeta de datos.</translation>
    </message>
    <message>
        <source>Only days on or after DATE (yyyy-MM-dd).</source>
        <translation>Solo días desde DATE (yyyy-MM-dd).</translation>
    </message>
    <message>
        <source>Only days on or before DATE (yyyy-MM-dd).</source>
        <translation>Solo días hasta DATE (yyyy-MM-dd).</translation>
    </message>
    <message>
        <source>Weights in kg or lb (default: the unit chosen in the diary&apos;s Options).</source>
        <translation>Pesos en kg o lb (por defecto: la unidad elegida en las opciones del diario).</translation>
    </message>
    <message>
        <source>%1 (see repbook-cli %2 --help)</source>
        <translation>%1 (véase repbook-cli %2 --help)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no date of the form yyyy-MM-dd.</source>
        <translation>«%1» no es una fecha con la forma yyyy-MM-dd.</translation>
    </message>
    <message>
        <source>--from %1 lies after --to %2.</source>
        <translation>--from %1 es posterior a --to %2.</translation>
    </message>
    <message>
        <source>unknown unit &quot;%1&quot;; use kg or lb.</source>
        <translation>unidad desconocida «%1»; use kg o lb.</translation>
    </message>
    <message>
        <source>The diary %1 cannot be read.</source>
        <translation>No se puede leer el diario %1.</translation>
    </message>
    <message>
        <source>The diary %1 is damaged: it fails its integrity check.</source>
        <translation>El diario %1 está dañado: no supera la comprobación de integridad.</translation>
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
        <translation>Otro equipo cambió días que también se cambiaron aquí:
%1
El diario conserva la versión que se muestra aquí. La versión del otro equipo se guardó en:
%2
En el diario, Editar &gt; Conflictos la muestra junto a la del diario y le permite tomarla en su lugar.</translation>
    </message>
    <message>
        <source>A copy of the diary that the sync program left beside it is damaged and was not merged. It was kept as:
%1</source>
        <translation>Una copia del diario que el programa de sincronización dejó a su lado está dañada y no se fusionó. Se conservó como:
%1</translation>
    </message>
    <message>
        <source>Copies of the diary left by the sync program could not all be merged:
%1</source>
        <translation>No se pudieron fusionar todas las copias del diario dejadas por el programa de sincronización:
%1</translation>
    </message>
</context>
<context>
    <name>ConflictCopyMerge</name>
    <message>
        <source>%1 is damaged: it fails its integrity check.</source>
        <translation>%1 está dañado: no supera la comprobación de integridad.</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>No se puede leer %1.</translation>
    </message>
    <message>
        <source>The record of what this computer agreed on with the others could not be written:
%1</source>
        <translation>No se pudo escribir el registro de lo que este ordenador acordó con los demás:
%1</translation>
    </message>
    <message>
        <source>The diary&apos;s folder cannot be written:
%1</source>
        <translation>No se puede escribir en la carpeta del diario:
%1</translation>
    </message>
    <message>
        <source>The record of what this computer last agreed on with the others cannot be read:
%1</source>
        <translation>No se puede leer el registro de lo último que este ordenador acordó con los demás:
%1</translation>
    </message>
</context>
<context>
    <name>ConflictNotice</name>
    <message>
        <source>Days that were changed in two places (on another computer, or here in the notifier) have their other version on record:
%1
Edit &gt; Conflicts shows it beside the diary&apos;s and lets you take it instead.</source>
        <translation>Los días que se cambiaron en dos lugares (en otro equipo, o aquí en el recordatorio) tienen registrada su otra versión:
%1
Editar &gt; Conflictos la muestra junto a la del diario y le permite tomarla en su lugar.</translation>
    </message>
</context>
<context>
    <name>ConflictRecords</name>
    <message>
        <source>The other version of the day could not be removed from:
%1</source>
        <translation>No se pudo quitar la otra versión del día de:
%1</translation>
    </message>
</context>
<context>
    <name>ConflictsWindow</name>
    <message>
        <source>The diary window is busy. Finish what it is doing, then take the other version.</source>
        <translation>La ventana del diario está ocupada. Termine lo que está haciendo y luego tome la otra versión.</translation>
    </message>
    <message>
        <source>Take other version %1</source>
        <translation>Tomar la otra versión %1</translation>
    </message>
</context>
<context>
    <name>CountText</name>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n día</numerusform>
            <numerusform>%n días</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n workout(s)</source>
        <translation>
            <numerusform>%n entrenamiento</numerusform>
            <numerusform>%n entrenamientos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n exercise(s)</source>
        <translation>
            <numerusform>%n ejercicio</numerusform>
            <numerusform>%n ejercicios</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n date(s)</source>
        <translation>
            <numerusform>%n fecha</numerusform>
            <numerusform>%n fechas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n selected day(s)</source>
        <translation>
            <numerusform>%n día seleccionado</numerusform>
            <numerusform>%n días seleccionados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n new day(s)</source>
        <translation>
            <numerusform>%n día nuevo</numerusform>
            <numerusform>%n días nuevos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s)</source>
        <translation>
            <numerusform>%n fila</numerusform>
            <numerusform>%n filas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n week(s)</source>
        <translation>
            <numerusform>%n semana</numerusform>
            <numerusform>%n semanas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CsvReader</name>
    <message>
        <source>Out of memory.</source>
        <translation>Memoria insuficiente.</translation>
    </message>
    <message>
        <source>Line %1 holds binary data: this is not a text file.</source>
        <translation>La línea %1 contiene datos binarios: no es un archivo de texto.</translation>
    </message>
    <message>
        <source>Line %1 is not valid CSV: %2.</source>
        <translation>La línea %1 no es CSV válido: %2.</translation>
    </message>
    <message>
        <source>Line %1 opens a quoted field that is never closed.</source>
        <translation>La línea %1 abre un campo entre comillas que nunca se cierra.</translation>
    </message>
</context>
<context>
    <name>DateListText</name>
    <message>
        <source>and %1 more</source>
        <translation>y %1 más</translation>
    </message>
</context>
<context>
    <name>DayEditing</name>
    <message>
        <source>Select workout first.</source>
        <translation>Seleccione primero un entrenamiento.</translation>
    </message>
    <message>
        <source>Rename workout</source>
        <translation>Renombrar entrenamiento</translation>
    </message>
</context>
<context>
    <name>DayEditingPanel</name>
    <message>
        <source>Exercise...	Ins</source>
        <translation>Ejercicio...	Insert</translation>
    </message>
    <message>
        <source>Workout...</source>
        <translation>Entrenamiento...</translation>
    </message>
    <message>
        <source>Up	Ctrl + Up</source>
        <translation>Arriba	Ctrl + Arriba</translation>
    </message>
    <message>
        <source>Down	Ctrl + Down</source>
        <translation>Abajo	Ctrl + Abajo</translation>
    </message>
    <message>
        <source>Left	Ctrl + Left</source>
        <translation>Izquierda	Ctrl + Izquierda</translation>
    </message>
    <message>
        <source>Right	Ctrl + Right</source>
        <translation>Derecha	Ctrl + Derecha</translation>
    </message>
    <message>
        <source>Rename workout...</source>
        <translation>Renombrar entrenamiento...</translation>
    </message>
    <message>
        <source>Selected exercise(s)	Del</source>
        <translation>Ejercicio(s) seleccionado(s)	Supr</translation>
    </message>
    <message>
        <source>All exercises</source>
        <translation>Todos los ejercicios</translation>
    </message>
    <message>
        <source>Workout</source>
        <translation>Entrenamiento</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Mark workout as &apos;Done&apos;</source>
        <translation>Marcar entrenamiento como «Hecho»</translation>
    </message>
    <message>
        <source>Mark workout as &apos;Failed&apos;</source>
        <translation>Marcar entrenamiento como «Fallido»</translation>
    </message>
    <message>
        <source>Mark workout as &apos;Not yet&apos;</source>
        <translation>Marcar entrenamiento como «Todavía no»</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>Move exercise(s)</source>
        <translation>Mover ejercicio(s)</translation>
    </message>
    <message>
        <source>Move workout</source>
        <translation>Mover entrenamiento</translation>
    </message>
    <message>
        <source>Add exercise</source>
        <translation>Añadir ejercicio</translation>
    </message>
    <message>
        <source>Remove selected exercise(s)</source>
        <translation>Quitar ejercicio(s) seleccionado(s)</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Mover a la izquierda</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Mover a la derecha</translation>
    </message>
    <message>
        <source>Workout status</source>
        <translation>Estado del entrenamiento</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>DayOperations</name>
    <message>
        <source>Do you really want to remove selected day(s)?</source>
        <translation>¿Seguro que desea quitar los días seleccionados?</translation>
    </message>
    <message>
        <source>There are some trainings dated to this day.
If you want to swap days press &apos;Yes&apos;.
If you want to merge training days press &apos;No&apos;.
Press &apos;Cancel&apos; to do nothing.</source>
        <translation>Ya hay entrenamientos en este día.
Si quiere intercambiar los días, pulse «Sí».
Si quiere fusionar los días de entrenamiento, pulse «No».
Pulse «Cancelar» para no hacer nada.</translation>
    </message>
    <message>
        <source>You have selected an empty day.
If you want to move trainings here press &apos;Yes&apos;.
If you want to make a copy of this day press &apos;No&apos;.
Press &apos;Cancel&apos; to do nothing.</source>
        <translation>Ha seleccionado un día vacío.
Si quiere mover aquí los entrenamientos, pulse «Sí».
Si quiere hacer una copia de este día, pulse «No».
Pulse «Cancelar» para no hacer nada.</translation>
    </message>
    <message>
        <source>Error! Training could not be dated to this day.</source>
        <translation>¡Error! No se pudo asignar el entrenamiento a este día.</translation>
    </message>
    <message>
        <source>Choose the target day.</source>
        <translation>Elija el día de destino.</translation>
    </message>
    <message>
        <source>Select the day first.</source>
        <translation>Seleccione primero el día.</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>Intercambiar</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Fusionar</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Mover</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
</context>
<context>
    <name>DayPreview</name>
    <message>
        <source>Day note</source>
        <translation>Nota del día</translation>
    </message>
    <message>
        <source>No note</source>
        <translation>Sin nota</translation>
    </message>
    <message>
        <source>Workout area</source>
        <translation>Zona del entrenamiento</translation>
    </message>
    <message>
        <source>To add notes to selected day press &quot;Notes&quot; button.</source>
        <translation>Para añadir notas al día seleccionado, pulse el botón «Notas».</translation>
    </message>
</context>
<context>
    <name>DayPrintDocument</name>
    <message>
        <source>Exercise</source>
        <translation>Ejercicio</translation>
    </message>
    <message>
        <source>Sets</source>
        <translation>Series</translation>
    </message>
    <message>
        <source>Reps</source>
        <translation>Reps</translation>
    </message>
    <message>
        <source>Forced</source>
        <translation>Forzadas</translation>
    </message>
    <message>
        <source>Negative</source>
        <translation>Negativas</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Peso</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>No exercises.</source>
        <translation>Sin ejercicios.</translation>
    </message>
    <message>
        <source>No workouts.</source>
        <translation>Sin entrenamientos.</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source> (continued)</source>
        <translation> (continuación)</translation>
    </message>
</context>
<context>
    <name>DesktopNotification</name>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
</context>
<context>
    <name>DiaryBackups</name>
    <message>
        <source>The diary file could not be read for a backup:
%1</source>
        <translation>No se pudo leer el archivo del diario para una copia de seguridad:
%1</translation>
    </message>
    <message>
        <source>A backup of the diary could not be written in:
%1</source>
        <translation>No se pudo escribir una copia de seguridad del diario en:
%1</translation>
    </message>
    <message>
        <source>the backup of %1 with 1 day</source>
        <translation>la copia de seguridad del %1 con 1 día</translation>
    </message>
    <message>
        <source>the backup of %1 with %2 days</source>
        <translation>la copia de seguridad del %1 con %2 días</translation>
    </message>
    <message>
        <source>The backup cannot be read or is damaged:
%1</source>
        <translation>No se puede leer la copia de seguridad o está dañada:
%1</translation>
    </message>
    <message>
        <source>d MMMM yyyy, HH:mm</source>
        <translation>d &apos;de&apos; MMMM &apos;de&apos; yyyy, HH:mm</translation>
    </message>
</context>
<context>
    <name>DiaryCsv</name>
    <message>
        <source>%1 is not a whole number</source>
        <translation>%1 no es un número entero</translation>
    </message>
    <message>
        <source>unreadable date &quot;%1&quot;</source>
        <translation>fecha ilegible «%1»</translation>
    </message>
    <message>
        <source>positions of workout and exercise must count from 1</source>
        <translation>las posiciones de entrenamiento y ejercicio deben contar desde 1</translation>
    </message>
    <message>
        <source>unknown workout status &quot;%1&quot;</source>
        <translation>estado de entrenamiento desconocido «%1»</translation>
    </message>
    <message>
        <source>unknown exercise status &quot;%1&quot;</source>
        <translation>estado de ejercicio desconocido «%1»</translation>
    </message>
    <message>
        <source>unreadable weight &quot;%1&quot;</source>
        <translation>peso ilegible «%1»</translation>
    </message>
    <message>
        <source>Line %1: the header lacks the column &quot;%2&quot;.</source>
        <translation>Línea %1: falta la columna «%2» en el encabezado.</translation>
    </message>
</context>
<context>
    <name>DiaryExchange</name>
    <message>
        <source>Export only the %1?

Yes: the selected days.
No: the whole diary (%2).</source>
        <translation>¿Exportar solo %1?

Sí: los días seleccionados.
No: todo el diario (%2).</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;JSON files (*.json);;All files (*)</source>
        <translation>Archivos CSV (*.csv);;Archivos JSON (*.json);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Training log exports: Repbook, Strong, Hevy, FitNotes, LiftLog (*.csv *.json);;All files (*)</source>
        <translation>Exportaciones de diarios de entrenamiento: Repbook, Strong, Hevy, FitNotes, LiftLog (*.csv *.json);;Todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>DiaryExport</name>
    <message>
        <source>It is a folder.</source>
        <translation>Es una carpeta.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>La carpeta %1 no existe.</translation>
    </message>
    <message>
        <source>The file is write-protected.</source>
        <translation>El archivo está protegido contra escritura.</translation>
    </message>
    <message>
        <source>You may not create files in the folder %1.</source>
        <translation>No tiene permiso para crear archivos en la carpeta %1.</translation>
    </message>
    <message>
        <source>It is no ordinary file.</source>
        <translation>No es un archivo normal.</translation>
    </message>
    <message>
        <source>The folder %1 takes no new files.</source>
        <translation>La carpeta %1 no admite archivos nuevos.</translation>
    </message>
    <message>
        <source>The export could not be written to:
%1
%2</source>
        <translation>No se pudo escribir la exportación en:
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
        <translation>%1 ya contiene un diario, quizá de otro equipo.

Sí: usar ese diario. El diario de este equipo se queda donde está, sin usar.
No: fusionar en él el diario de este equipo, día a día. Donde ambos tengan un día con otros datos, se conserva el día de aquel diario y el de este equipo se guarda al lado.
Cancelar: dejar el diario donde está.</translation>
    </message>
    <message>
        <source>Diary folder</source>
        <translation>Carpeta del diario</translation>
    </message>
    <message>
        <source>
The diary stays where it is.</source>
        <translation>
El diario se queda donde está.</translation>
    </message>
    <message>
        <source>The diary is now in:
%1

The files in %2 were left as they were; remove them once you no longer need them.</source>
        <translation>El diario está ahora en:
%1

Los archivos de %2 se dejaron como estaban; elimínelos cuando ya no los necesite.</translation>
    </message>
    <message>
        <source>

The ignore file .stignore could not be written there: keep *.lock files and the Backups folder out of the sync by hand.</source>
        <translation>

No se pudo escribir allí el archivo de exclusión .stignore: excluya a mano de la sincronización los archivos *.lock y la carpeta Backups.</translation>
    </message>
    <message>
        <source>

Days that both diaries hold with other entries kept the folder&apos;s version; this computer&apos;s were saved in:
%1
Edit &gt; Conflicts shows them beside the folder&apos;s and lets you take them instead.</source>
        <translation>

Los días que ambos diarios tienen con otros datos conservaron la versión de la carpeta; los de este equipo se guardaron en:
%1
Editar &gt; Conflictos los muestra junto a los de la carpeta y permite tomarlos en su lugar.</translation>
    </message>
</context>
<context>
    <name>DiaryFolderSwitch</name>
    <message>
        <source>%1 could not be copied to:
%2</source>
        <translation>No se pudo copiar %1 en:
%2</translation>
    </message>
    <message>
        <source>The diary %1 cannot be read or is damaged.</source>
        <translation>No se puede leer el diario %1 o está dañado.</translation>
    </message>
</context>
<context>
    <name>DiaryHistory</name>
    <message>
        <source>&quot;%1 %2&quot; is not possible: another program (the notifier or the command-line tool) has changed %3 since. Doing it would throw that change away.</source>
        <translation>«%1 %2» no es posible: otro programa (el recordatorio o la herramienta de línea de órdenes) ha cambiado %3 desde entonces. Hacerlo descartaría ese cambio.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
</context>
<context>
    <name>DiaryImport</name>
    <message>
        <source>%1: %2 with %3 to add (%4)%5; %6 already in the diary; %7 skipped.</source>
        <translation>%1: %2 con %3 por añadir (%4)%5; %6 ya en el diario; %7 omitidas.</translation>
    </message>
    <message>
        <source>Added %1 with %2 (%3)%4.</source>
        <translation>Añadido %1 con %2 (%3)%4.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>del %1 al %2</translation>
    </message>
    <message>
        <source>(no date)</source>
        <translation>(sin fecha)</translation>
    </message>
    <message>
        <source>%1  new day, %2, %3; %4 already there</source>
        <translation>%1  día nuevo, %2, %3; %4 ya presente(s)</translation>
    </message>
    <message>
        <source>%1  adds %2, %3; %4 already there</source>
        <translation>%1  añade %2, %3; %4 ya presente(s)</translation>
    </message>
    <message>
        <source>line %1 skipped: %2</source>
        <translation>línea %1 omitida: %2</translation>
    </message>
</context>
<context>
    <name>DiaryJson</name>
    <message>
        <source>a day must be an object</source>
        <translation>un día debe ser un objeto</translation>
    </message>
    <message>
        <source>Day %1 of the file: %2.</source>
        <translation>Día %1 del archivo: %2.</translation>
    </message>
    <message>
        <source>unreadable date</source>
        <translation>fecha ilegible</translation>
    </message>
    <message>
        <source>unknown status &quot;%1&quot;</source>
        <translation>estado desconocido «%1»</translation>
    </message>
    <message>
        <source>Line %1 is not valid JSON: %2.</source>
        <translation>La línea %1 no es JSON válido: %2.</translation>
    </message>
    <message>
        <source>Line 1: this JSON file is no Repbook diary export.</source>
        <translation>Línea 1: este archivo JSON no es una exportación de un diario de Repbook.</translation>
    </message>
    <message>
        <source>Line 1: the file was written by a newer Repbook (version %1).</source>
        <translation>Línea 1: el archivo lo escribió un Repbook más reciente (versión %1).</translation>
    </message>
    <message>
        <source>Line 1: unknown weight unit &quot;%1&quot;.</source>
        <translation>Línea 1: unidad de peso desconocida «%1».</translation>
    </message>
</context>
<context>
    <name>DiarySaving</name>
    <message>
        <source>The diary file had been damaged outside the program. It was kept as:
%1
The diary was saved again from the days shown here.</source>
        <translation>El archivo del diario se dañó fuera del programa. Se guardó como:
%1
El diario se volvió a guardar a partir de los días mostrados aquí.</translation>
    </message>
    <message>
        <source>
Your changes are kept while the program runs, and saving is tried again every minute.</source>
        <translation>
Sus cambios se conservan mientras el programa esté abierto, y el guardado se reintenta cada minuto.</translation>
    </message>
    <message>
        <source>
The diary itself is saved as usual; the backup is tried again at the next save.</source>
        <translation>
El diario se guarda como siempre; la copia de seguridad se reintentará en el próximo guardado.</translation>
    </message>
    <message>
        <source>Not saved: the days of %1.</source>
        <translation>Sin guardar: los días de %1.</translation>
    </message>
    <message>
        <source>%1
%2

Retry, exit without saving (Discard), or go back to the diary (Cancel)?</source>
        <translation>%1
%2

¿Reintentar, salir sin guardar (Descartar) o volver al diario (Cancelar)?</translation>
    </message>
    <message>
        <source>Another program changed days that were also changed here:
%1
The diary keeps the version shown here. The other version was saved in:
%2
Edit &gt; Conflicts shows it beside the diary&apos;s and lets you take it instead.</source>
        <translation>Otro programa cambió días que también se cambiaron aquí:
%1
El diario conserva la versión mostrada aquí. La otra versión se guardó en:
%2
Editar &gt; Conflictos la muestra junto a la del diario y permite tomarla en su lugar.</translation>
    </message>
</context>
<context>
    <name>EditorControls</name>
    <message>
        <source>New...	Ctrl + N</source>
        <translation>Nuevo...	Ctrl + N</translation>
    </message>
    <message>
        <source>Open...	Ctrl + O</source>
        <translation>Abrir...	Ctrl + O</translation>
    </message>
    <message>
        <source>Close	Ctrl + W</source>
        <translation>Cerrar	Ctrl + W</translation>
    </message>
    <message>
        <source>Save	Ctrl + S</source>
        <translation>Guardar	Ctrl + S</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>Guardar como...</translation>
    </message>
    <message>
        <source>Exit	Ctrl + X</source>
        <translation>Salir	Ctrl + X</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Día</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>Selected exercise(s)	Del</source>
        <translation>Ejercicio(s) seleccionado(s)	Supr</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>Move day</source>
        <translation>Mover día</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Workout...</source>
        <translation>Entrenamiento...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Remove selected exercise(s) or day(s)</source>
        <translation>Quitar ejercicio(s) o día(s) seleccionado(s)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
</context>
<context>
    <name>ExchangeFields</name>
    <message>
        <source>%1 outside %2..%3</source>
        <translation>%1 fuera de %2..%3</translation>
    </message>
    <message>
        <source>sets</source>
        <translation>series</translation>
    </message>
    <message>
        <source>reps</source>
        <translation>repeticiones</translation>
    </message>
    <message>
        <source>forced reps</source>
        <translation>repeticiones forzadas</translation>
    </message>
    <message>
        <source>negative reps</source>
        <translation>repeticiones negativas</translation>
    </message>
    <message>
        <source>weight outside 0..%1 kg</source>
        <translation>peso fuera de 0..%1 kg</translation>
    </message>
</context>
<context>
    <name>ExerciseColumns</name>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Exercise</source>
        <translation>Ejercicio</translation>
    </message>
    <message>
        <source>Sets</source>
        <translation>Series</translation>
    </message>
    <message>
        <source>Reps</source>
        <translation>Reps</translation>
    </message>
    <message>
        <source>Forced</source>
        <translation>Forzadas</translation>
    </message>
    <message>
        <source>Negative</source>
        <translation>Negativas</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Peso</translation>
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
        <translation>Peso máximo</translation>
    </message>
    <message>
        <source>Estimated 1RM</source>
        <translation>1RM estimado</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Most repetitions</source>
        <translation>Más repeticiones</translation>
    </message>
    <message>
        <source>Sets</source>
        <translation>Series</translation>
    </message>
</context>
<context>
    <name>ExportCommand</name>
    <message>
        <source>csv (default) or json.</source>
        <translation>csv (por defecto) o json.</translation>
    </message>
    <message>
        <source>Write to FILE instead of standard output.</source>
        <translation>Escribir en FILE en lugar de la salida estándar.</translation>
    </message>
    <message>
        <source>Writes the diary, or the days of a date range, as CSV or JSON.</source>
        <translation>Escribe el diario, o los días de un intervalo de fechas, como CSV o JSON.</translation>
    </message>
    <message>
        <source>export takes no file argument; use --output.</source>
        <translation>export no admite ningún archivo; use --output.</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot;.</source>
        <translation>formato desconocido «%1».</translation>
    </message>
    <message>
        <source>The export could not be written to standard output.</source>
        <translation>No se pudo escribir la exportación en la salida estándar.</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>Training program files (*.rpp);;All files (*)</source>
        <translation>Archivos de programa de entrenamiento (*.rpp);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>PNG images (*.png);;All files (*)</source>
        <translation>Imágenes PNG (*.png);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
</context>
<context>
    <name>FindCommand</name>
    <message>
        <source>Prints the workouts, exercises and notes that contain TEXT, newest first. Case and accents do not matter.</source>
        <translation>Muestra los entrenamientos, ejercicios y notas que contienen TEXT, primero los más recientes. No importan las mayúsculas ni los acentos.</translation>
    </message>
    <message>
        <source>The text to find.</source>
        <translation>El texto que buscar.</translation>
    </message>
    <message>
        <source>find takes exactly one text (quote a text with spaces).</source>
        <translation>find admite exactamente un texto (ponga entre comillas un texto con espacios).</translation>
    </message>
    <message>
        <source>find needs a text to look for.</source>
        <translation>find necesita un texto que buscar.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not found.</source>
        <translation>No se encontró «%1».</translation>
    </message>
</context>
<context>
    <name>FindResultsModel</name>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Dónde</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
</context>
<context>
    <name>ImportCommand</name>
    <message>
        <source>&quot;%1&quot; is no exercise of the diary; the closest is &quot;%2&quot; (--map &quot;%1=%2&quot; joins them).
</source>
        <translation>«%1» no es un ejercicio del diario; el más parecido es «%2» (--map &quot;%1=%2&quot; los une).
</translation>
    </message>
    <message>
        <source>auto (default), csv, json, strong, hevy, fitnotes or liftlog.</source>
        <translation>auto (por defecto), csv, json, strong, hevy, fitnotes o liftlog.</translation>
    </message>
    <message>
        <source>Joins an exercise name of the file to one of the diary, as &quot;NAME IN THE FILE=DIARY NAME&quot; (repeatable; overrides a remembered choice for this run).</source>
        <translation>Une un nombre de ejercicio del archivo con uno del diario, como &quot;NAME IN THE FILE=DIARY NAME&quot; (repetible; sustituye una elección recordada en esta ejecución).</translation>
    </message>
    <message>
        <source>Only print what would be added.</source>
        <translation>Mostrar solo lo que se añadiría.</translation>
    </message>
    <message>
        <source>Also print a line for every date.</source>
        <translation>Mostrar también una línea por cada fecha.</translation>
    </message>
    <message>
        <source>Adds the workouts of a Repbook CSV or JSON export, or of a CSV export of Strong, Hevy, FitNotes or LiftLog, to the diary. Workouts already in the diary are left out. Safe while Repbook or Repminder runs.</source>
        <translation>Añade al diario los entrenamientos de una exportación CSV o JSON de Repbook, o de una exportación CSV de Strong, Hevy, FitNotes o LiftLog. Se omiten los entrenamientos que ya están en el diario. Seguro mientras Repbook o Repminder se ejecutan.</translation>
    </message>
    <message>
        <source>The file to import.</source>
        <translation>El archivo que importar.</translation>
    </message>
    <message>
        <source>import takes exactly one file.</source>
        <translation>import admite exactamente un archivo.</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot;.</source>
        <translation>formato desconocido «%1».</translation>
    </message>
    <message>
        <source>--map &quot;%1&quot; is not &quot;NAME IN THE FILE=DIARY NAME&quot;.</source>
        <translation>--map &quot;%1&quot; no tiene la forma &quot;NAME IN THE FILE=DIARY NAME&quot;.</translation>
    </message>
    <message>
        <source>The diary %1 cannot be read.</source>
        <translation>No se puede leer el diario %1.</translation>
    </message>
    <message>
        <source>Nothing to add.
</source>
        <translation>Nada que añadir.
</translation>
    </message>
    <message>
        <source>Days changed meanwhile by another program were kept in %1.</source>
        <translation>Los días cambiados mientras tanto por otro programa se guardaron en %1.</translation>
    </message>
</context>
<context>
    <name>ImportNameMap</name>
    <message>
        <source>The choices of exercise names could not be saved in %1.</source>
        <translation>No se pudieron guardar las elecciones de nombres de ejercicios en %1.</translation>
    </message>
</context>
<context>
    <name>ImportSource</name>
    <message>
        <source>Line 1: the file has no header.</source>
        <translation>Línea 1: el archivo no tiene encabezado.</translation>
    </message>
    <message>
        <source>Line 1: the file is empty.</source>
        <translation>Línea 1: el archivo está vacío.</translation>
    </message>
    <message>
        <source>Line 1: the file is no export that Repbook can read (a Repbook CSV or JSON file, or a CSV export of Strong, Hevy, FitNotes or LiftLog).</source>
        <translation>Línea 1: el archivo no es una exportación que Repbook pueda leer (un archivo CSV o JSON de Repbook, o una exportación CSV de Strong, Hevy, FitNotes o LiftLog).</translation>
    </message>
    <message>
        <source>%1 is too large to import (%2 MB; at most %3 MB).</source>
        <translation>%1 es demasiado grande para importarlo (%2 MB; como máximo %3 MB).</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>No se puede leer %1.</translation>
    </message>
    <message>
        <source>%1 cannot be imported.
%2</source>
        <translation>No se puede importar %1.
%2</translation>
    </message>
</context>
<context>
    <name>LaunchDiary</name>
    <message>
        <source>The diary program could not be started:
%1</source>
        <translation>No se pudo iniciar el programa del diario:
%1</translation>
    </message>
</context>
<context>
    <name>LiftLogExport</name>
    <message>
        <source>Line %1: the header is not that of a %2 file.</source>
        <translation>Línea %1: el encabezado no es el de un archivo %2.</translation>
    </message>
    <message>
        <source>unreadable timestamp &quot;%1&quot;</source>
        <translation>marca de tiempo ilegible «%1»</translation>
    </message>
    <message>
        <source>unreadable number</source>
        <translation>número ilegible</translation>
    </message>
    <message>
        <source>unknown unit &quot;%1&quot;</source>
        <translation>unidad desconocida «%1»</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importar...</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exportar...</translation>
    </message>
    <message>
        <source>P&amp;rint preview</source>
        <translation>&amp;Vista previa de impresión</translation>
    </message>
    <message>
        <source>&amp;Print	Ctrl + P</source>
        <translation>Im&amp;primir	Ctrl + P</translation>
    </message>
    <message>
        <source>Restore from &amp;backup...</source>
        <translation>Restaurar desde &amp;copia de seguridad...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl + Z</source>
        <translation>&amp;Deshacer	Ctrl + Z</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl + Y</source>
        <translation>&amp;Rehacer	Ctrl + Y</translation>
    </message>
    <message>
        <source>View...	Return</source>
        <translation>Ver...	Intro</translation>
    </message>
    <message>
        <source>Notes...	Ctrl + N</source>
        <translation>Notas...	Ctrl + N</translation>
    </message>
    <message>
        <source>&amp;Add workout...	Ins</source>
        <translation>&amp;Añadir entrenamiento...	Insert</translation>
    </message>
    <message>
        <source>&amp;Move selected</source>
        <translation>&amp;Mover selección</translation>
    </message>
    <message>
        <source>&amp;Remove selected	Del</source>
        <translation>&amp;Quitar selección	Supr</translation>
    </message>
    <message>
        <source>&amp;Find...	Ctrl + F</source>
        <translation>&amp;Buscar...	Ctrl + F</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Go to</source>
        <translation>Ir a</translation>
    </message>
    <message>
        <source>Today	Ctrl + Return</source>
        <translation>Hoy	Ctrl + Intro</translation>
    </message>
    <message>
        <source>First day	Ctrl + Home</source>
        <translation>Primer día	Ctrl + Inicio</translation>
    </message>
    <message>
        <source>Previous day	Ctrl + Left</source>
        <translation>Día anterior	Ctrl + Izquierda</translation>
    </message>
    <message>
        <source>Next day	Ctrl + Right</source>
        <translation>Día siguiente	Ctrl + Derecha</translation>
    </message>
    <message>
        <source>Last day	Ctrl + End</source>
        <translation>Último día	Ctrl + Fin</translation>
    </message>
    <message>
        <source>&amp;Refresh	F5</source>
        <translation>&amp;Actualizar	F5</translation>
    </message>
    <message>
        <source>Set range...</source>
        <translation>Fijar intervalo...</translation>
    </message>
    <message>
        <source>&amp;Selection to range	Ctrl + R</source>
        <translation>&amp;Selección como intervalo	Ctrl + R</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <source>&amp;Editor...	Ctrl + E</source>
        <translation>&amp;Editor...	Ctrl + E</translation>
    </message>
    <message>
        <source>Apply program...	Ctrl + Space</source>
        <translation>Aplicar programa...	Ctrl + Espacio</translation>
    </message>
    <message>
        <source>&amp;Progress...	Ctrl + G</source>
        <translation>&amp;Progreso...	Ctrl + G</translation>
    </message>
    <message>
        <source>User...</source>
        <translation>Usuario...</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Opciones...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;About Repbook...</source>
        <translation>&amp;Acerca de Repbook...</translation>
    </message>
    <message>
        <source>&amp;Conflicts...</source>
        <translation>&amp;Conflictos...</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Mover</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Primero</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Último</translation>
    </message>
    <message>
        <source>Editor</source>
        <translation>Editor</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
</context>
<context>
    <name>MergeCommand</name>
    <message>
        <source>Only print what would be merged.</source>
        <translation>Mostrar solo lo que se fusionaría.</translation>
    </message>
    <message>
        <source>%1: already merged, %2</source>
        <translation>%1: ya fusionado, %2</translation>
    </message>
    <message>
        <source>%1: damaged (fails its integrity check), not merged</source>
        <translation>%1: dañado (no supera la comprobación de integridad), no fusionado</translation>
    </message>
    <message>
        <source>%1: cannot be read, not merged</source>
        <translation>%1: no se puede leer, no fusionado</translation>
    </message>
    <message>
        <source>; changed on both sides, the diary&apos;s days kept: %1</source>
        <translation>; cambiado en ambos lados, se conservan los días del diario: %1</translation>
    </message>
    <message>
        <source>Merges the conflict copies that a sync engine (Syncthing, Nextcloud, Dropbox) left beside the diary and its name lists, by date, then removes them. A date changed on both sides keeps the diary&apos;s days; the copy&apos;s are kept in a conflict file beside the diary. Exit code 0: merged or nothing to merge, 1: a copy could not be merged (nothing is written then). Safe while Repbook or Repminder runs.</source>
        <translation>Fusiona por fecha las copias de conflicto que un programa de sincronización (Syncthing, Nextcloud, Dropbox) dejó junto al diario y sus listas de nombres, y luego las elimina. Una fecha cambiada en ambos lados conserva los días del diario; los de la copia se guardan en un archivo de conflicto junto al diario. Código de salida 0: fusionado o nada que fusionar, 1: una copia no se pudo fusionar (entonces no se escribe nada). Seguro mientras Repbook o Repminder se ejecutan.</translation>
    </message>
    <message>
        <source>merge takes no file; use --diary.</source>
        <translation>merge no admite ningún archivo; use --diary.</translation>
    </message>
    <message>
        <source>Nothing to merge.
</source>
        <translation>Nada que fusionar.
</translation>
    </message>
    <message>
        <source>%1: names merged</source>
        <translation>%1: nombres fusionados</translation>
    </message>
    <message>
        <source>%1 names would be added to the name lists</source>
        <translation>Se añadirían %1 nombres a las listas de nombres</translation>
    </message>
    <message>
        <source>%1 names added to the name lists</source>
        <translation>%1 nombres añadidos a las listas de nombres</translation>
    </message>
    <message>
        <source>The copies&apos; days of dates changed on both sides are kept in %1</source>
        <translation>Los días de las copias en fechas cambiadas en ambos lados se guardan en %1</translation>
    </message>
    <message>
        <source>
Nothing was merged.</source>
        <translation>
No se fusionó nada.</translation>
    </message>
    <message>
        <source>%1: would take %2 dates</source>
        <translation>%1: tomaría %2 fechas</translation>
    </message>
    <message>
        <source>%1: took %2 dates</source>
        <translation>%1: tomó %2 fechas</translation>
    </message>
</context>
<context>
    <name>PeerExports</name>
    <message>
        <source>unreadable date &quot;%1&quot;</source>
        <translation>fecha ilegible «%1»</translation>
    </message>
    <message>
        <source>unreadable number</source>
        <translation>número ilegible</translation>
    </message>
    <message>
        <source>Line %1: the header is not that of a %2 file.</source>
        <translation>Línea %1: el encabezado no es el de un archivo %2.</translation>
    </message>
</context>
<context>
    <name>PeriodPoints</name>
    <message>
        <source>One point per week: the sum of each week.</source>
        <translation>Un punto por semana: la suma de cada semana.</translation>
    </message>
    <message>
        <source>One point per week: the best of each week.</source>
        <translation>Un punto por semana: el mejor de cada semana.</translation>
    </message>
    <message>
        <source>One point per month: the sum of each month.</source>
        <translation>Un punto por mes: la suma de cada mes.</translation>
    </message>
    <message>
        <source>One point per month: the best of each month.</source>
        <translation>Un punto por mes: el mejor de cada mes.</translation>
    </message>
</context>
<context>
    <name>PrintedDay</name>
    <message>
        <source>Undated day</source>
        <translation>Día sin fecha</translation>
    </message>
    <message>
        <source>dddd, d MMMM yyyy</source>
        <translation>dddd, d &apos;de&apos; MMMM &apos;de&apos; yyyy</translation>
    </message>
</context>
<context>
    <name>ProgramApplication</name>
    <message>
        <source>Apply program</source>
        <translation>Aplicar programa</translation>
    </message>
</context>
<context>
    <name>ProgramDayList</name>
    <message>
        <source>Program days</source>
        <translation>Días del programa</translation>
    </message>
    <message>
        <source>Day %1</source>
        <translation>Día %1</translation>
    </message>
</context>
<context>
    <name>ProgramFile</name>
    <message>
        <source>Save changes?</source>
        <translation>¿Guardar los cambios?</translation>
    </message>
    <message>
        <source>Error! File is corrupted.</source>
        <translation>¡Error! El archivo está dañado.</translation>
    </message>
    <message>
        <source>Error! The program could not be saved to
%1</source>
        <translation>¡Error! No se pudo guardar el programa en
%1</translation>
    </message>
</context>
<context>
    <name>ProgressStatus</name>
    <message>
        <source>Not yet</source>
        <translation>Todavía no</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Fallido</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>none yet</source>
        <translation>ninguno aún</translation>
    </message>
</context>
<context>
    <name>RangeControls</name>
    <message>
        <source>Range</source>
        <translation>Intervalo</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendario</translation>
    </message>
    <message>
        <source>dates in the range</source>
        <translation>fechas del intervalo</translation>
    </message>
    <message>
        <source>Range of the calendar: %1 to %2</source>
        <translation>Intervalo del calendario: %1 a %2</translation>
    </message>
</context>
<context>
    <name>RecordsCommand</name>
    <message>
        <source>Count Failed exercises as well as Done.</source>
        <translation>Contar los ejercicios fallidos igual que los hechos.</translation>
    </message>
    <message>
        <source>%1 x %2</source>
        <translation>%1 x %2</translation>
    </message>
    <message>
        <source>Estimated 1RM</source>
        <translation>1RM estimado</translation>
    </message>
    <message>
        <source>Highest day volume</source>
        <translation>Mayor volumen en un día</translation>
    </message>
    <message>
        <source>Most reps, weight 0</source>
        <translation>Más repeticiones, peso 0</translation>
    </message>
    <message>
        <source>Prints the personal records of an exercise, or of every performed exercise, most recently trained first.</source>
        <translation>Muestra los récords personales de un ejercicio, o de cada ejercicio realizado, primero los entrenados más recientemente.</translation>
    </message>
    <message>
        <source>The exercise (case and surrounding spaces do not matter); all exercises when left out.</source>
        <translation>El ejercicio (no importan las mayúsculas ni los espacios alrededor); todos los ejercicios si se omite.</translation>
    </message>
    <message>
        <source>records takes one exercise at most (quote a name with spaces).</source>
        <translation>records admite como mucho un ejercicio (ponga entre comillas un nombre con espacios).</translation>
    </message>
    <message>
        <source>No exercise is marked Done in the diary yet.</source>
        <translation>Todavía no hay ningún ejercicio marcado como hecho en el diario.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was never done.</source>
        <translation>«%1» nunca se hizo.</translation>
    </message>
    <message>
        <source>Heaviest, %1 rep</source>
        <translation>Más pesado, %1 rep.</translation>
    </message>
    <message>
        <source>Heaviest, %1 reps</source>
        <translation>Más pesado, %1 reps.</translation>
    </message>
</context>
<context>
    <name>RecordsTable</name>
    <message>
        <source>Record</source>
        <translation>Récord</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Mejor</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Heaviest, 1 rep</source>
        <translation>Más pesado, 1 rep.</translation>
    </message>
    <message>
        <source>Heaviest, %1 reps</source>
        <translation>Más pesado, %1 reps.</translation>
    </message>
    <message>
        <source>Estimated 1RM</source>
        <translation>1RM estimado</translation>
    </message>
    <message>
        <source>Highest day volume</source>
        <translation>Mayor volumen en un día</translation>
    </message>
    <message>
        <source>Most reps, weight 0</source>
        <translation>Más repeticiones, peso 0</translation>
    </message>
</context>
<context>
    <name>ReminderScheduler</name>
    <message>
        <source>You have a workout today</source>
        <translation>Hoy tiene entrenamiento</translation>
    </message>
    <message>
        <source>Get workout plan by clicking on this message.</source>
        <translation>Pulse este mensaje para ver el plan de entrenamiento.</translation>
    </message>
    <message>
        <source>Fill in workout</source>
        <translation>Anotar entrenamiento</translation>
    </message>
    <message>
        <source>Click on this message to fill in your workout results.</source>
        <translation>Pulse este mensaje para anotar los resultados de su entrenamiento.</translation>
    </message>
</context>
<context>
    <name>RestoreFlow</name>
    <message>
        <source>Replace the diary by the backup %1?
The diary as it is now is kept as a backup first, and Undo brings it back.</source>
        <translation>¿Sustituir el diario por la copia de seguridad %1?
El diario actual se guarda antes como copia de seguridad, y Deshacer lo recupera.</translation>
    </message>
    <message>
        <source>
Nothing was restored: the diary as it is now could not be kept first.</source>
        <translation>
No se restauró nada: no se pudo guardar antes el diario actual.</translation>
    </message>
    <message>
        <source>Restore backup</source>
        <translation>Restaurar copia</translation>
    </message>
    <message>
        <source>
The restored days are shown, and saving is tried again every minute.</source>
        <translation>
Se muestran los días restaurados, y el guardado se reintenta cada minuto.</translation>
    </message>
    <message>
        <source>The diary was restored from:
%1</source>
        <translation>El diario se restauró desde:
%1</translation>
    </message>
    <message>
        <source>
The diary as it was is kept as:
%1</source>
        <translation>
El diario tal como estaba se guarda como:
%1</translation>
    </message>
    <message>
        <source>
Days another program had changed meanwhile are kept in:
%1</source>
        <translation>
Los días cambiados mientras tanto por otro programa se guardan en:
%1</translation>
    </message>
</context>
<context>
    <name>SetCollector</name>
    <message>
        <source>unreadable date</source>
        <translation>fecha ilegible</translation>
    </message>
    <message>
        <source>no exercise name</source>
        <translation>sin nombre de ejercicio</translation>
    </message>
    <message>
        <source>time or distance only</source>
        <translation>solo tiempo o distancia</translation>
    </message>
    <message>
        <source>no weight and no reps</source>
        <translation>sin peso ni repeticiones</translation>
    </message>
    <message>
        <source>weight %1 kg outside 0..%2 kg</source>
        <translation>peso %1 kg fuera de 0..%2 kg</translation>
    </message>
</context>
<context>
    <name>SharedDiaryFile</name>
    <message>
        <source>The diary file cannot be read:
%1</source>
        <translation>No se puede leer el archivo del diario:
%1</translation>
    </message>
    <message>
        <source>Days changed on both sides could not be kept in:
%1</source>
        <translation>No se pudieron conservar los días cambiados en ambos lados en:
%1</translation>
    </message>
    <message>
        <source>The diary is not bound to a file.</source>
        <translation>El diario no está vinculado a ningún archivo.</translation>
    </message>
    <message>
        <source>The diary file is being saved by another program:
%1</source>
        <translation>Otro programa está guardando el archivo del diario:
%1</translation>
    </message>
    <message>
        <source>The diary could not be saved to:
%1</source>
        <translation>No se pudo guardar el diario en:
%1</translation>
    </message>
    <message>
        <source>The damaged diary file could not be set aside:
%1</source>
        <translation>No se pudo apartar el archivo del diario dañado:
%1</translation>
    </message>
</context>
<context>
    <name>StatusCheck</name>
    <message>
        <source>Some exercises in &apos;%1&apos; workout are marked as &apos;%2&apos;, but workout itself is marked as &apos;%3&apos;.
Do you want to mark workout as &apos;%4&apos;?</source>
        <translation>Algunos ejercicios del entrenamiento «%1» están marcados como «%2», pero el propio entrenamiento está marcado como «%3».
¿Desea marcar el entrenamiento como «%4»?</translation>
    </message>
    <message>
        <source>All exercises in &apos;%1&apos; workout are marked as &apos;%2&apos;, but workout itself is marked as &apos;%3&apos;.
Do you want to mark workout as &apos;%4&apos;?</source>
        <translation>Todos los ejercicios del entrenamiento «%1» están marcados como «%2», pero el propio entrenamiento está marcado como «%3».
¿Desea marcar el entrenamiento como «%4»?</translation>
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
        <translation>Para añadir notas, seleccione primero un día.</translation>
    </message>
    <message>
        <source>Do you want to apply the last edited program to selected range?</source>
        <translation>¿Desea aplicar el último programa editado al intervalo seleccionado?</translation>
    </message>
</context>
<context>
    <name>WindowHistory</name>
    <message>
        <source>Mark </source>
        <translation>Marcar </translation>
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

Trabaja con el diario de Repbook desde scripts.

Órdenes:
</translation>
    </message>
    <message>
        <source>
repbook-cli COMMAND --help describes a command&apos;s options. Exit codes: 0 done, 1 failed, 2 bad usage.
</source>
        <translation>
repbook-cli COMMAND --help describe las opciones de una orden. Códigos de salida: 0 hecho, 1 fallo, 2 uso incorrecto.
</translation>
    </message>
    <message>
        <source>--diary needs a FILE</source>
        <translation>--diary necesita un FILE</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot; before the command</source>
        <translation>opción desconocida «%1» antes de la orden</translation>
    </message>
    <message>
        <source>a command is missing after %1</source>
        <translation>falta una orden después de %1</translation>
    </message>
    <message>
        <source> (see repbook-cli --help)</source>
        <translation> (véase repbook-cli --help)</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot; (see repbook-cli --help)</source>
        <translation>orden desconocida «%1» (véase repbook-cli --help)</translation>
    </message>
</context>
</TS>
