<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>AppLanguage</name>
    <message>
        <source>System</source>
        <translation>Системный</translation>
    </message>
</context>
<context>
    <name>BackupCommand</name>
    <message>
        <source>Keeps a copy of the diary in its Backups folder now. Older copies are removed as the diary&apos;s retention says.</source>
        <translation>Сразу сохраняет копию дневника в его папке Backups. Старые копии удаляются согласно сроку хранения дневника.</translation>
    </message>
    <message>
        <source>backup takes no file.</source>
        <translation>backup не принимает файл.</translation>
    </message>
    <message>
        <source>%1: no such file.</source>
        <translation>%1: файл не найден.</translation>
    </message>
    <message>
        <source>%1 fails its integrity check: no backup was made.</source>
        <translation>%1 не проходит проверку целостности: резервная копия не создана.</translation>
    </message>
    <message>
        <source>Replaces the diary by a backup. The diary as it is now is kept as a backup first.</source>
        <translation>Заменяет дневник резервной копией. Текущий дневник сначала сохраняется как резервная копия.</translation>
    </message>
    <message>
        <source>The backup to restore (see the diary&apos;s Backups folder).</source>
        <translation>Восстанавливаемая резервная копия (см. папку Backups дневника).</translation>
    </message>
    <message>
        <source>restore takes exactly one backup file.</source>
        <translation>restore принимает ровно один файл резервной копии.</translation>
    </message>
    <message>
        <source>The diary %1 cannot be read.</source>
        <translation>Не удаётся прочитать дневник %1.</translation>
    </message>
    <message>
        <source>Restored %1 from %2.
</source>
        <translation>%1 восстановлен из %2.
</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Repbook</source>
        <translation>О программе Repbook</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Общие</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Поддержка</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Версия %1</translation>
    </message>
    <message>
        <source>A personal workout diary, with Repminder, its workout notifier.</source>
        <translation>Личный дневник тренировок с Repminder — напоминанием о тренировках.</translation>
    </message>
    <message>
        <source>Running on Qt %1.</source>
        <translation>Работает на Qt %1.</translation>
    </message>
    <message>
        <source>Repbook keeps everything on this computer. To back up your diary or move it to another computer, copy these files.</source>
        <translation>Repbook хранит всё на этом компьютере. Чтобы сохранить дневник или перенести его на другой компьютер, скопируйте эти файлы.</translation>
    </message>
    <message>
        <source>Diary:</source>
        <translation>Дневник:</translation>
    </message>
    <message>
        <source>Name lists:</source>
        <translation>Списки названий:</translation>
    </message>
    <message>
        <source>Settings:</source>
        <translation>Настройки:</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Открыть папку</translation>
    </message>
    <message>
        <source>The folder does not exist yet:
%1</source>
        <translation>Папка ещё не существует:
%1</translation>
    </message>
    <message>
        <source>The folder could not be opened:
%1</source>
        <translation>Не удалось открыть папку:
%1</translation>
    </message>
    <message>
        <source>Licensed under the GNU General Public License, version 3 or later.</source>
        <translation>Распространяется по лицензии GNU General Public License версии 3 или более поздней.</translation>
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
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Apply program</source>
        <translation>Применить программу</translation>
    </message>
    <message>
        <source>Choose days</source>
        <translation>Выбрать дни</translation>
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
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Заметки</translation>
    </message>
    <message>
        <source>Day note</source>
        <translation>Заметка дня</translation>
    </message>
</context>
<context>
    <name>CConflictsDlg</name>
    <message>
        <source>No workouts.</source>
        <translation>Нет тренировок.</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Заметка: %1</translation>
    </message>
    <message>
        <source>This diary&apos;s version</source>
        <translation>Версия этого дневника</translation>
    </message>
    <message>
        <source>Other version</source>
        <translation>Другая версия</translation>
    </message>
    <message>
        <source>&amp;Take other version</source>
        <translation>&amp;Взять другую версию</translation>
    </message>
    <message>
        <source>&amp;Dismiss other version...</source>
        <translation>&amp;Отклонить другую версию...</translation>
    </message>
    <message>
        <source>&amp;Show in calendar</source>
        <translation>Показать в &amp;календаре</translation>
    </message>
    <message>
        <source>Conflicts</source>
        <translation>Конфликты</translation>
    </message>
    <message>
        <source>Dates changed on both sides</source>
        <translation>Даты, изменённые с обеих сторон</translation>
    </message>
    <message>
        <source>D&amp;ates:</source>
        <translation>&amp;Даты:</translation>
    </message>
    <message>
        <source>In this diary (kept):</source>
        <translation>В этом дневнике (сохранено):</translation>
    </message>
    <message>
        <source>Other version:</source>
        <translation>Другая версия:</translation>
    </message>
    <message>
        <source>Puts the other version into the diary; Undo brings this diary&apos;s back</source>
        <translation>Помещает другую версию в дневник; «Отменить» вернёт версию этого дневника</translation>
    </message>
    <message>
        <source>Keeps this diary&apos;s version and removes the other one</source>
        <translation>Оставляет версию этого дневника и удаляет другую</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>the other version was kept on %1</source>
        <translation>другая версия сохранена %1</translation>
    </message>
    <message>
        <source>the other version was kept</source>
        <translation>другая версия сохранена</translation>
    </message>
    <message>
        <source>No conflicts: no day was changed on both sides.</source>
        <translation>Конфликтов нет: ни один день не изменён с обеих сторон.</translation>
    </message>
    <message>
        <source>One date was changed here and elsewhere (on another computer or in the notifier). The diary kept its version; take the other one if it is the one you want.</source>
        <translation>Одна дата изменена здесь и в другом месте (на другом компьютере или в напоминании). Дневник сохранил свою версию; возьмите другую, если нужна она.</translation>
    </message>
    <message>
        <source>%1 dates were changed here and elsewhere (on another computer or in the notifier). The diary kept its version of each; take the other one where it is the one you want.</source>
        <translation>Дат, изменённых здесь и в другом месте (на другом компьютере или в напоминании): %1. Дневник сохранил свою версию каждой; возьмите другую там, где нужна она.</translation>
    </message>
    <message>
        <source>These conflict files are damaged and cannot be shown: %1</source>
        <translation>Эти конфликтные файлы повреждены и не могут быть показаны: %1</translation>
    </message>
    <message>
        <source>Dismiss the other version of %1?
The diary keeps its version; the other one is removed for good.</source>
        <translation>Отклонить другую версию %1?
Дневник сохраняет свою версию; другая удаляется навсегда.</translation>
    </message>
</context>
<context>
    <name>CConsistencyPage</name>
    <message>
        <source>Previous year</source>
        <translation>Предыдущий год</translation>
    </message>
    <message>
        <source>Next year</source>
        <translation>Следующий год</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>&amp;Год:</translation>
    </message>
    <message>
        <source>Planned workouts done</source>
        <translation>Выполненные запланированные тренировки</translation>
    </message>
    <message>
        <source>Weeks in a row with a done workout: %1 now, %2 at most.</source>
        <translation>Недель подряд с выполненной тренировкой: сейчас %1, максимум %2.</translation>
    </message>
    <message>
        <source>No workout in %1. Plan workouts in the calendar and fill in the results: each day then shows here how it went.</source>
        <translation>В %1 нет тренировок. Планируйте тренировки в календаре и вносите результаты: тогда здесь будет видно, как прошёл каждый день.</translation>
    </message>
    <message>
        <source>%1 of %2 planned workouts done</source>
        <translation>Выполнено %1 из %2 запланированных тренировок</translation>
    </message>
</context>
<context>
    <name>CDayDlg</name>
    <message>
        <source>Workout planning</source>
        <translation>Планирование тренировки</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Добавить</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Удалить</translation>
    </message>
</context>
<context>
    <name>CDayPrinter</name>
    <message>
        <source>There is nothing to print: no training day is selected.</source>
        <translation>Нечего печатать: не выбран ни один тренировочный день.</translation>
    </message>
    <message>
        <source>The training log could not be printed. Check the printer or the file name and try again.</source>
        <translation>Не удалось напечатать дневник тренировок. Проверьте принтер или имя файла и попробуйте снова.</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>Предварительный просмотр</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Training log</source>
        <translation>Дневник тренировок</translation>
    </message>
</context>
<context>
    <name>CDayTabCtrl</name>
    <message>
        <source>Workouts</source>
        <translation>Тренировки</translation>
    </message>
    <message>
        <source>Exercises</source>
        <translation>Упражнения</translation>
    </message>
    <message>
        <source>Mark exercise(s) as &apos;%1&apos;</source>
        <translation>Отметить упражнения как «%1»</translation>
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
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Display range</source>
        <translation>Диапазон отображения</translation>
    </message>
    <message>
        <source>Start date:</source>
        <translation>Начальная дата:</translation>
    </message>
    <message>
        <source>End date:</source>
        <translation>Конечная дата:</translation>
    </message>
    <message>
        <source>Total days:</source>
        <translation>Всего дней:</translation>
    </message>
</context>
<context>
    <name>CEditorDlg</name>
    <message>
        <source>Workout programs editor</source>
        <translation>Редактор программ тренировок</translation>
    </message>
    <message>
        <source>You need to fill the current day first.</source>
        <translation>Сначала заполните текущий день.</translation>
    </message>
</context>
<context>
    <name>CEmptyDlg</name>
    <message>
        <source>You must not see this.</source>
        <translation>Вы не должны это видеть.</translation>
    </message>
    <message>
        <source>This is an empty training program. To open existing training program double click on this window.</source>
        <translation>Это пустая программа тренировок. Чтобы открыть существующую программу, дважды щёлкните в этом окне.</translation>
    </message>
    <message>
        <source>There are no workouts dated to this day. To add new workout double click on this window.</source>
        <translation>На этот день нет тренировок. Чтобы добавить тренировку, дважды щёлкните в этом окне.</translation>
    </message>
    <message>
        <source>There are no exercises planned on this workout. To add new exercise double click on this window.</source>
        <translation>В этой тренировке нет запланированных упражнений. Чтобы добавить упражнение, дважды щёлкните в этом окне.</translation>
    </message>
    <message>
        <source>No workouts can be dated to this day. Change the display range.</source>
        <translation>На этот день нельзя назначить тренировки. Измените диапазон отображения.</translation>
    </message>
</context>
<context>
    <name>CExerciseDlg</name>
    <message>
        <source>Add exercise</source>
        <translation>Добавить упражнение</translation>
    </message>
</context>
<context>
    <name>CExercisePage</name>
    <message>
        <source>No exercise is marked Done yet.

Open a day in the diary, fill in what you lifted and mark the exercises Done
(entering a weight does that): their progress and records appear here.</source>
        <translation>Ни одно упражнение ещё не отмечено как выполненное.

Откройте день в дневнике, внесите поднятые веса и отметьте упражнения как выполненные
(ввод веса делает это сам): здесь появятся прогресс и рекорды.</translation>
    </message>
    <message>
        <source>Filter exercises</source>
        <translation>Фильтр упражнений</translation>
    </message>
    <message>
        <source>Exercises</source>
        <translation>Упражнения</translation>
    </message>
    <message>
        <source>Exercise</source>
        <translation>Упражнение</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Дни</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Последний</translation>
    </message>
    <message>
        <source>Count &amp;failed exercises</source>
        <translation>Учитывать &amp;невыполненные упражнения</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>График</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Рекорды</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Показать:</translation>
    </message>
    <message>
        <source>Save &amp;image...</source>
        <translation>Сохранить &amp;изображение...</translation>
    </message>
    <message>
        <source>Choose an exercise on the left</source>
        <translation>Выберите упражнение слева</translation>
    </message>
    <message>
        <source>Choose an exercise to see its progress</source>
        <translation>Выберите упражнение, чтобы увидеть его прогресс</translation>
    </message>
    <message>
        <source>No training day of %1 in this range</source>
        <translation>Нет тренировочных дней с %1 в этом диапазоне</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>с %1 по %2</translation>
    </message>
    <message>
        <source>Save chart image</source>
        <translation>Сохранить изображение графика</translation>
    </message>
    <message>
        <source>The chart could not be saved as %1.</source>
        <translation>Не удалось сохранить график как %1.</translation>
    </message>
</context>
<context>
    <name>CFPSMiniCalendarCtrl</name>
    <message>
        <source>marked dates</source>
        <translation>отмеченные даты</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Предыдущий месяц</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Следующий месяц</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Год</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>с %1 по %2</translation>
    </message>
</context>
<context>
    <name>CFindDlg</name>
    <message>
        <source>Find</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>Fi&amp;nd:</source>
        <translation>&amp;Найти:</translation>
    </message>
    <message>
        <source>Workout, exercise or note</source>
        <translation>Тренировка, упражнение или заметка</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Результаты</translation>
    </message>
    <message>
        <source>Type to find workouts, exercises and notes.</source>
        <translation>Начните вводить текст, чтобы найти тренировки, упражнения и заметки.</translation>
    </message>
    <message>
        <source>No match.</source>
        <translation>Нет совпадений.</translation>
    </message>
    <message>
        <source>1 match.</source>
        <translation>1 совпадение.</translation>
    </message>
    <message>
        <source>%1 matches.</source>
        <translation>Совпадений: %1.</translation>
    </message>
</context>
<context>
    <name>CImportPreviewDlg</name>
    <message>
        <source>Import Preview</source>
        <translation>Предпросмотр импорта</translation>
    </message>
    <message>
        <source>Everything in this file is already in the diary: nothing to add.</source>
        <translation>Всё из этого файла уже есть в дневнике: добавлять нечего.</translation>
    </message>
    <message>
        <source>Adds %1 with %2 on %3 (%4 new).</source>
        <translation>Добавляет %1 с %2 на %3 (новых: %4).</translation>
    </message>
    <message>
        <source>The file gives weights in pounds: they are stored in kilograms and shown in pounds.</source>
        <translation>Веса в файле указаны в фунтах: они сохраняются в килограммах и показываются в фунтах.</translation>
    </message>
    <message>
        <source>The file gives weights in pounds: they are stored in kilograms, the file&apos;s pounds shown beside them.</source>
        <translation>Веса в файле указаны в фунтах: они сохраняются в килограммах, а фунты из файла показываются рядом.</translation>
    </message>
    <message>
        <source>The file gives weights in kilograms: they are stored as they are and shown in pounds.</source>
        <translation>Веса в файле указаны в килограммах: они сохраняются как есть и показываются в фунтах.</translation>
    </message>
    <message>
        <source>Weights are in kilograms, as in the file.</source>
        <translation>Веса в килограммах, как в файле.</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt; (%2)&lt;br&gt;%3&lt;br&gt;Already in the diary, left out: %4. Rows skipped: %5.&lt;br&gt;%6</source>
        <translation>&lt;b&gt;%1&lt;/b&gt; (%2)&lt;br&gt;%3&lt;br&gt;Уже есть в дневнике, пропущено: %4. Пропущено строк: %5.&lt;br&gt;%6</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Workouts added</source>
        <translation>Добавлено
тренировок</translation>
    </message>
    <message>
        <source>Exercises added</source>
        <translation>Добавлено
упражнений</translation>
    </message>
    <message>
        <source>Already there</source>
        <translation>Уже есть</translation>
    </message>
    <message>
        <source>Workouts: sets × reps × weight</source>
        <translation>Тренировки: подходы × повторения × вес</translation>
    </message>
    <message>
        <source>  (new day)</source>
        <translation>  (новый день)</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(без названия)</translation>
    </message>
    <message>
        <source>Per date</source>
        <translation>По датам</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Строка</translation>
    </message>
    <message>
        <source>Skipped because</source>
        <translation>Причина пропуска</translation>
    </message>
    <message>
        <source>Rows that cannot be stored</source>
        <translation>Строки, которые нельзя сохранить</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Импортировать</translation>
    </message>
    <message>
        <source>Per date:</source>
        <translation>По датам:</translation>
    </message>
    <message>
        <source>Rows of the file that cannot be stored:</source>
        <translation>Строки файла, которые нельзя сохранить:</translation>
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
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Название:</translation>
    </message>
</context>
<context>
    <name>CNameMappingPanel</name>
    <message>
        <source>Exercise names not in the diary (tick to record one under the diary&apos;s name beside it; unticked names become new exercises):</source>
        <translation>Названия упражнений, которых нет в дневнике (отметьте, чтобы записать упражнение под названием из дневника рядом; неотмеченные станут новыми упражнениями):</translation>
    </message>
    <message>
        <source>Record &quot;%1&quot; under the diary&apos;s name beside it</source>
        <translation>Записывать «%1» под названием из дневника рядом</translation>
    </message>
    <message>
        <source>diary name</source>
        <translation>название в дневнике</translation>
    </message>
    <message>
        <source>Diary name for %1</source>
        <translation>Название в дневнике для %1</translation>
    </message>
</context>
<context>
    <name>CNotifierWindow</name>
    <message>
        <source>No reminder at the moment</source>
        <translation>Сейчас напоминаний нет</translation>
    </message>
    <message>
        <source>This desktop has no notification area, so the workout notifier shows this window. It comes to the front when there is something to remind you of.</source>
        <translation>На этом рабочем столе нет области уведомлений, поэтому напоминание о тренировках показывает это окно. Оно выходит на передний план, когда есть о чём напомнить.</translation>
    </message>
    <message>
        <source>Repminder - workout notifier</source>
        <translation>Repminder — напоминание о тренировках</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Открыть</translation>
    </message>
    <message>
        <source>O&amp;ptions</source>
        <translation>&amp;Параметры</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>Click &quot;Open&quot; to see the reminder.</source>
        <translation>Нажмите «Открыть», чтобы увидеть напоминание.</translation>
    </message>
</context>
<context>
    <name>CNotifyDlg</name>
    <message>
        <source>View</source>
        <translation>Просмотр</translation>
    </message>
    <message>
        <source>Ask about workout results at</source>
        <translation>Спросить о результатах тренировки в</translation>
    </message>
    <message>
        <source>Workout remind</source>
        <translation>Напоминание о тренировке</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Перенести</translation>
    </message>
    <message>
        <source>Open Diary</source>
        <translation>Открыть дневник</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Cancel workout</source>
        <translation>Отменить тренировку</translation>
    </message>
    <message>
        <source>Remind me later</source>
        <translation>Напомнить позже</translation>
    </message>
    <message>
        <source>Time to ask about workout results</source>
        <translation>Время вопроса о результатах тренировки</translation>
    </message>
    <message>
        <source>Please fill in information about your workout results</source>
        <translation>Пожалуйста, внесите результаты тренировки</translation>
    </message>
    <message>
        <source>Fill in</source>
        <translation>Заполнить</translation>
    </message>
    <message>
        <source>You have a workout today</source>
        <translation>Сегодня у вас тренировка</translation>
    </message>
    <message>
        <source>The diary database could not be read or is damaged:
%1
Open the diary to check it.</source>
        <translation>Не удалось прочитать базу данных дневника, или она повреждена:
%1
Откройте дневник, чтобы проверить её.</translation>
    </message>
    <message>
        <source>There is no workout for today in the diary.</source>
        <translation>В дневнике нет тренировки на сегодня.</translation>
    </message>
    <message>
        <source>The workout could not be saved to the diary database.
%1
Try again?</source>
        <translation>Не удалось сохранить тренировку в базе данных дневника.
%1
Повторить?</translation>
    </message>
    <message>
        <source>There is no workout for today to print.</source>
        <translation>На сегодня нет тренировки для печати.</translation>
    </message>
    <message>
        <source>The diary changed this day while you were editing it. The diary&apos;s version was kept; your entries were saved in:
%1
In the diary, Edit &gt; Conflicts shows them beside its version and lets you take them instead.</source>
        <translation>Дневник изменил этот день, пока вы его редактировали. Сохранена версия дневника; ваши записи сохранены в:
%1
В дневнике меню Правка &gt; Конфликты показывает их рядом с его версией и позволяет выбрать их.</translation>
    </message>
</context>
<context>
    <name>COptionsCommonPage</name>
    <message>
        <source>Shields</source>
        <translation>Щиты</translation>
    </message>
    <message>
        <source>Flags</source>
        <translation>Флажки</translation>
    </message>
    <message>
        <source>Make a delay while program applying</source>
        <translation>Делать паузу при применении программы</translation>
    </message>
    <message>
        <source>&amp;Kilograms (kg)</source>
        <translation>&amp;Килограммы (кг)</translation>
    </message>
    <message>
        <source>&amp;Pounds (lb)</source>
        <translation>&amp;Фунты (lb)</translation>
    </message>
    <message>
        <source>Status images</source>
        <translation>Изображения статуса</translation>
    </message>
    <message>
        <source>Program applying</source>
        <translation>Применение программы</translation>
    </message>
    <message>
        <source>Weight unit</source>
        <translation>Единица веса</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Оформление</translation>
    </message>
    <message>
        <source>S&amp;ystem (as the desktop)</source>
        <translation>&amp;Системное (как у рабочего стола)</translation>
    </message>
    <message>
        <source>&amp;Light</source>
        <translation>С&amp;ветлое</translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <translation>&amp;Тёмное</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>La&amp;nguage:</source>
        <translation>&amp;Язык:</translation>
    </message>
    <message>
        <source>A new language takes effect the next time Repbook starts.</source>
        <translation>Новый язык вступит в силу при следующем запуске Repbook.</translation>
    </message>
</context>
<context>
    <name>COptionsDlg</name>
    <message>
        <source>&amp;Launch at logon</source>
        <translation>&amp;Запускать при входе в систему</translation>
    </message>
    <message>
        <source>Show notification &amp;icon in taskbar</source>
        <translation>Показывать &amp;значок в области уведомлений</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Notify</source>
        <translation>Напоминать</translation>
    </message>
    <message>
        <source>&amp;Never</source>
        <translation>&amp;Никогда</translation>
    </message>
    <message>
        <source>On &amp;startup only</source>
        <translation>Только при &amp;запуске</translation>
    </message>
    <message>
        <source>&amp;Every</source>
        <translation>&amp;Каждые</translation>
    </message>
    <message>
        <source>Minutes between reminders</source>
        <translation>Минут между напоминаниями</translation>
    </message>
    <message>
        <source>Misc</source>
        <translation>Прочее</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>О&amp;тмена</translation>
    </message>
    <message>
        <source>Please enter the number of minutes between reminders, from 1 to %1.</source>
        <translation>Введите число минут между напоминаниями, от 1 до %1.</translation>
    </message>
    <message>
        <source>The logon entry could not be written:
%1</source>
        <translation>Не удалось записать элемент автозапуска:
%1</translation>
    </message>
    <message>
        <source>The logon entry could not be removed:
%1</source>
        <translation>Не удалось удалить элемент автозапуска:
%1</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>мин.</translation>
    </message>
</context>
<context>
    <name>COptionsFolderPage</name>
    <message>
        <source>&amp;Change...</source>
        <translation>&amp;Изменить...</translation>
    </message>
    <message>
        <source>Diary folder</source>
        <translation>Папка дневника</translation>
    </message>
    <message>
        <source>The diary and the lists of exercise and workout names are kept here. To use one diary on several computers, choose a folder that a sync program (Syncthing, Nextcloud, Dropbox) shares between them. Backups stay on this computer.</source>
        <translation>Здесь хранятся дневник и списки названий упражнений и тренировок. Чтобы вести один дневник на нескольких компьютерах, выберите папку, которую синхронизирует между ними программа синхронизации (Syncthing, Nextcloud, Dropbox). Резервные копии остаются на этом компьютере.</translation>
    </message>
    <message>
        <source>The folder is set by REPBOOK_HOME or by the portable installation.</source>
        <translation>Папка задана переменной REPBOOK_HOME или переносной установкой.</translation>
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
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>Общие</translation>
    </message>
    <message>
        <source>Diary folder</source>
        <translation>Папка дневника</translation>
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
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Access denied</source>
        <translation>Доступ запрещён</translation>
    </message>
    <message>
        <source>Enter password:</source>
        <translation>Введите пароль:</translation>
    </message>
    <message>
        <source>Password incorrect.</source>
        <translation>Неверный пароль.</translation>
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
        <translation>Прогресс</translation>
    </message>
    <message>
        <source>&amp;Exercises</source>
        <translation>&amp;Упражнения</translation>
    </message>
    <message>
        <source>&amp;Consistency</source>
        <translation>&amp;Регулярность</translation>
    </message>
</context>
<context>
    <name>CRepbookApp</name>
    <message>
        <source>Warning! Program database is corrupted.
Do you want to create new database? All your information will be lost. To recover it contact developers.</source>
        <translation>Внимание! База данных программы повреждена.
Создать новую базу данных? Все ваши данные будут потеряны. Для их восстановления обратитесь к разработчикам.</translation>
    </message>
    <message>
        <source>Warning! Program database is corrupted.
Do you want to create new database? The damaged file will be kept beside the new one. To recover it contact developers.</source>
        <translation>Внимание! База данных программы повреждена.
Создать новую базу данных? Повреждённый файл будет сохранён рядом с новым. Для восстановления обратитесь к разработчикам.</translation>
    </message>
    <message>
        <source>Warning! Program database is corrupted.
The newest sound backup is %1.

Restore that backup, create a new, empty database, or quit?</source>
        <translation>Внимание! База данных программы повреждена.
Последняя исправная резервная копия: %1.

Восстановить эту копию, создать новую пустую базу данных или выйти?</translation>
    </message>
    <message>
        <source> The damaged file will be kept beside the diary.</source>
        <translation> Повреждённый файл будет сохранён рядом с дневником.</translation>
    </message>
    <message>
        <source>Application is already running</source>
        <translation>Приложение уже запущено</translation>
    </message>
    <message>
        <source>&amp;Restore backup</source>
        <translation>&amp;Восстановить копию</translation>
    </message>
    <message>
        <source>&amp;New database</source>
        <translation>&amp;Новая база данных</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>В&amp;ыйти</translation>
    </message>
    <message>
        <source>Application is closing.</source>
        <translation>Приложение закрывается.</translation>
    </message>
    <message>
        <source>The backup could not be restored to:
%1
Application is closing.</source>
        <translation>Не удалось восстановить резервную копию в:
%1
Приложение закрывается.</translation>
    </message>
    <message>
        <source>The damaged database could not be set aside:
%1
It was left unchanged. Application is closing.</source>
        <translation>Не удалось отложить повреждённую базу данных:
%1
Она осталась без изменений. Приложение закрывается.</translation>
    </message>
    <message>
        <source>The damaged database was kept as:
%1</source>
        <translation>Повреждённая база данных сохранена как:
%1</translation>
    </message>
    <message>
        <source>A new database could not be created:
%1
The diary opens empty and cannot be saved.</source>
        <translation>Не удалось создать новую базу данных:
%1
Дневник откроется пустым и не сможет быть сохранён.</translation>
    </message>
</context>
<context>
    <name>CRepbookDlg</name>
    <message>
        <source>Training calendar</source>
        <translation>Календарь тренировок</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Заметки</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удаление</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Импорт</translation>
    </message>
    <message>
        <source>Add workout</source>
        <translation>Добавление тренировки</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Правка</translation>
    </message>
    <message>
        <source>Do you want to exit application?</source>
        <translation>Выйти из приложения?</translation>
    </message>
</context>
<context>
    <name>CRestoreDlg</name>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Восстановить</translation>
    </message>
    <message>
        <source>Restore from backup</source>
        <translation>Восстановить из резервной копии</translation>
    </message>
    <message>
        <source>Made</source>
        <translation>Создана</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Дни</translation>
    </message>
    <message>
        <source>Last day</source>
        <translation>Последний день</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Резервные копии</translation>
    </message>
    <message>
        <source>Days in this backup</source>
        <translation>Дни в этой копии</translation>
    </message>
    <message>
        <source>There are no backups yet. The diary makes one before its first save of each day.</source>
        <translation>Резервных копий пока нет. Дневник создаёт копию перед первым сохранением каждого дня.</translation>
    </message>
    <message>
        <source>&amp;Backups, newest first. Restoring one keeps the diary as it is now as a backup first.</source>
        <translation>&amp;Резервные копии, новые первыми. При восстановлении текущий дневник сначала сохраняется как резервная копия.</translation>
    </message>
    <message>
        <source>Choose a backup to see its days.</source>
        <translation>Выберите копию, чтобы увидеть её дни.</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>повреждена</translation>
    </message>
    <message>
        <source>This backup cannot be read or is damaged.</source>
        <translation>Эту копию нельзя прочитать, или она повреждена.</translation>
    </message>
    <message>
        <source>&amp;Days in this backup (%1), read-only:</source>
        <translation>&amp;Дни в этой копии (%1), только чтение:</translation>
    </message>
</context>
<context>
    <name>CTrainingDlg</name>
    <message>
        <source>Add workout</source>
        <translation>Добавить тренировку</translation>
    </message>
</context>
<context>
    <name>CTrayIcon</name>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Открыть</translation>
    </message>
    <message>
        <source>O&amp;ptions</source>
        <translation>&amp;Параметры</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>Repminder - workout notifier</source>
        <translation>Repminder — напоминание о тренировках</translation>
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
        <translation>Отмена</translation>
    </message>
    <message>
        <source>User data</source>
        <translation>Данные пользователя</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>Общие</translation>
    </message>
    <message>
        <source>First name:</source>
        <translation>Имя:</translation>
    </message>
    <message>
        <source>Last name:</source>
        <translation>Фамилия:</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Безопасность</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Пароль:</translation>
    </message>
    <message>
        <source>Confirmation:</source>
        <translation>Подтверждение:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Рост:</translation>
    </message>
    <message>
        <source>cm</source>
        <translation>см</translation>
    </message>
    <message>
        <source>Weight:</source>
        <translation>Вес:</translation>
    </message>
    <message>
        <source>Chest:</source>
        <translation>Грудь:</translation>
    </message>
    <message>
        <source>Biceps:</source>
        <translation>Бицепс:</translation>
    </message>
    <message>
        <source>Anthropometrics</source>
        <translation>Антропометрия</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Пропустить</translation>
    </message>
    <message>
        <source>Password and confirmation fields does not match.</source>
        <translation>Пароль и подтверждение не совпадают.</translation>
    </message>
    <message>
        <source>Please enter a whole number.</source>
        <translation>Введите целое число.</translation>
    </message>
</context>
<context>
    <name>CYearGrid</name>
    <message>
        <source>Year %1</source>
        <translation>%1 год</translation>
    </message>
    <message>
        <source>All workouts done</source>
        <translation>Все тренировки выполнены</translation>
    </message>
    <message>
        <source>Some workouts done</source>
        <translation>Часть тренировок выполнена</translation>
    </message>
    <message>
        <source>Failed only</source>
        <translation>Только невыполненные</translation>
    </message>
    <message>
        <source>Planned but missed</source>
        <translation>Запланировано, но пропущено</translation>
    </message>
    <message>
        <source>Planned ahead</source>
        <translation>Запланировано заранее</translation>
    </message>
    <message>
        <source>No workout</source>
        <translation>Нет тренировки</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Ср</translation>
    </message>
</context>
<context>
    <name>CalendarRange</name>
    <message>
        <source>%1 (today)</source>
        <translation>%1 (сегодня)</translation>
    </message>
    <message>
        <source>Range - 1 month</source>
        <translation>Диапазон - 1 месяц</translation>
    </message>
    <message>
        <source>Range - 2 months</source>
        <translation>Диапазон - 2 месяца</translation>
    </message>
    <message>
        <source>Range - 3 months</source>
        <translation>Диапазон - 3 месяца</translation>
    </message>
    <message>
        <source>Range - 6 months</source>
        <translation>Диапазон - 6 месяцев</translation>
    </message>
    <message>
        <source>Range - year</source>
        <translation>Диапазон - год</translation>
    </message>
    <message>
        <source>Set...</source>
        <translation>Задать...</translation>
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
        <translation>Всё время</translation>
    </message>
    <message>
        <source>Calendar range</source>
        <translation>Диапазон календаря</translation>
    </message>
    <message>
        <source>5 years</source>
        <translation>5 лет</translation>
    </message>
    <message>
        <source>1 year</source>
        <translation>1 год</translation>
    </message>
    <message>
        <source>6 months</source>
        <translation>6 месяцев</translation>
    </message>
    <message>
        <source>3 months</source>
        <translation>3 месяца</translation>
    </message>
</context>
<context>
    <name>ChartSummary</name>
    <message>
        <source>%1 on %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>%1: no data</source>
        <translation>%1: нет данных</translation>
    </message>
    <message>
        <source>%1: first %2, latest %3, best %4</source>
        <translation>%1: первое %2, последнее %3, лучшее %4</translation>
    </message>
</context>
<context>
    <name>CheckCommand</name>
    <message>
        <source>Runs the integrity check of a diary file and prints its day count and date range. Exit code 0: sound, 1: damaged or unreadable.</source>
        <translation>Проверяет целостность файла дневника и выводит число дней и диапазон дат. Код выхода 0: исправен, 1: повреждён или не читается.</translation>
    </message>
    <message>
        <source>The diary file (default: --diary or the data folder&apos;s diary).</source>
        <translation>Файл дневника (по умолчанию: --diary или дневник из папки данных).</translation>
    </message>
    <message>
        <source>check takes one file at most.</source>
        <translation>check принимает не более одного файла.</translation>
    </message>
    <message>
        <source>%1: no such file.</source>
        <translation>%1: файл не найден.</translation>
    </message>
    <message>
        <source>
The newest sound backup is %1:
%2
Restore it with: repbook-cli restore &quot;%2&quot;</source>
        <translation>
Последняя исправная резервная копия — %1:
%2
Восстановить: repbook-cli restore &quot;%2&quot;</translation>
    </message>
    <message>
        <source>no dates</source>
        <translation>нет дат</translation>
    </message>
    <message>
        <source>Conflict copies left by a sync engine (repbook-cli merge merges them):
</source>
        <translation>Конфликтные копии программы синхронизации (их объединяет repbook-cli merge):
</translation>
    </message>
    <message>
        <source> to </source>
        <translation> — </translation>
    </message>
    <message>
        <source>%1: sound, %2, %3
</source>
        <translation>%1: исправен, %2, %3
</translation>
    </message>
</context>
<context>
    <name>Command</name>
    <message>
        <source>Work on the diary FILE instead of the one in the data folder.</source>
        <translation>Работать с дневником FILE вместо дневника из папки данных.</translation>
    </message>
    <message>
        <source>Only days on or after DATE (yyyy-MM-dd).</source>
        <translation>Только дни начиная с DATE (yyyy-MM-dd).</translation>
    </message>
    <message>
        <source>Only days on or before DATE (yyyy-MM-dd).</source>
        <translation>Только дни по DATE включительно (yyyy-MM-dd).</translation>
    </message>
    <message>
        <source>Weights in kg or lb (default: the unit chosen in the diary&apos;s Options).</source>
        <translation>Веса в kg или lb (по умолчанию: единица, выбранная в параметрах дневника).</translation>
    </message>
    <message>
        <source>%1 (see repbook-cli %2 --help)</source>
        <translation>%1 (см. repbook-cli %2 --help)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no date of the form yyyy-MM-dd.</source>
        <translation>«%1» — не дата вида yyyy-MM-dd.</translation>
    </message>
    <message>
        <source>--from %1 lies after --to %2.</source>
        <translation>--from %1 позже, чем --to %2.</translation>
    </message>
    <message>
        <source>unknown unit &quot;%1&quot;; use kg or lb.</source>
        <translation>неизвестная единица «%1»; используйте kg или lb.</translation>
    </message>
    <message>
        <source>The diary %1 cannot be read.</source>
        <translation>Не удаётся прочитать дневник %1.</translation>
    </message>
    <message>
        <source>The diary %1 is damaged: it fails its integrity check.</source>
        <translation>Дневник %1 повреждён: он не проходит проверку целостности.</translation>
    </message>
    <message>
        <source>Usage: repbook-cli </source>
        <translation>Использование: repbook-cli </translation>
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
        <translation>Другой компьютер изменил дни, которые были изменены и здесь:
%1
Дневник сохраняет версию, показанную здесь. Версия другого компьютера сохранена в:
%2
В дневнике Правка &gt; Конфликты показывает её рядом с версией дневника и позволяет взять её вместо неё.</translation>
    </message>
    <message>
        <source>A copy of the diary that the sync program left beside it is damaged and was not merged. It was kept as:
%1</source>
        <translation>Копия дневника, оставленная рядом программой синхронизации, повреждена и не объединена. Она сохранена как:
%1</translation>
    </message>
    <message>
        <source>Copies of the diary left by the sync program could not all be merged:
%1</source>
        <translation>Не все копии дневника, оставленные программой синхронизации, удалось объединить:
%1</translation>
    </message>
</context>
<context>
    <name>ConflictCopyMerge</name>
    <message>
        <source>%1 is damaged: it fails its integrity check.</source>
        <translation>%1 повреждён: не проходит проверку целостности.</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>Не удаётся прочитать %1.</translation>
    </message>
    <message>
        <source>The record of what this computer agreed on with the others could not be written:
%1</source>
        <translation>Не удалось записать сведения о том, что этот компьютер согласовал с остальными:
%1</translation>
    </message>
    <message>
        <source>The diary&apos;s folder cannot be written:
%1</source>
        <translation>Нет доступа на запись в папку дневника:
%1</translation>
    </message>
    <message>
        <source>The record of what this computer last agreed on with the others cannot be read:
%1</source>
        <translation>Не удаётся прочитать сведения о последнем согласовании этого компьютера с остальными:
%1</translation>
    </message>
</context>
<context>
    <name>ConflictNotice</name>
    <message>
        <source>Days that were changed in two places (on another computer, or here in the notifier) have their other version on record:
%1
Edit &gt; Conflicts shows it beside the diary&apos;s and lets you take it instead.</source>
        <translation>Для дней, изменённых в двух местах (на другом компьютере или здесь, в напоминании), сохранена другая версия:
%1
Правка &gt; Конфликты показывает её рядом с версией дневника и позволяет взять её вместо неё.</translation>
    </message>
</context>
<context>
    <name>ConflictRecords</name>
    <message>
        <source>The other version of the day could not be removed from:
%1</source>
        <translation>Не удалось удалить другую версию дня из:
%1</translation>
    </message>
</context>
<context>
    <name>ConflictsWindow</name>
    <message>
        <source>The diary window is busy. Finish what it is doing, then take the other version.</source>
        <translation>Окно дневника занято. Дождитесь окончания текущего действия, затем возьмите другую версию.</translation>
    </message>
    <message>
        <source>Take other version %1</source>
        <translation>Взять другую версию %1</translation>
    </message>
</context>
<context>
    <name>CountText</name>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n день</numerusform>
            <numerusform>%n дня</numerusform>
            <numerusform>%n дней</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n workout(s)</source>
        <translation>
            <numerusform>%n тренировка</numerusform>
            <numerusform>%n тренировки</numerusform>
            <numerusform>%n тренировок</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n exercise(s)</source>
        <translation>
            <numerusform>%n упражнение</numerusform>
            <numerusform>%n упражнения</numerusform>
            <numerusform>%n упражнений</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n date(s)</source>
        <translation>
            <numerusform>%n дата</numerusform>
            <numerusform>%n даты</numerusform>
            <numerusform>%n дат</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n selected day(s)</source>
        <translation>
            <numerusform>%n выбранный день</numerusform>
            <numerusform>%n выбранных дня</numerusform>
            <numerusform>%n выбранных дней</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n new day(s)</source>
        <translation>
            <numerusform>%n новый день</numerusform>
            <numerusform>%n новых дня</numerusform>
            <numerusform>%n новых дней</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s)</source>
        <translation>
            <numerusform>%n строка</numerusform>
            <numerusform>%n строки</numerusform>
            <numerusform>%n строк</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n week(s)</source>
        <translation>
            <numerusform>%n неделя</numerusform>
            <numerusform>%n недели</numerusform>
            <numerusform>%n недель</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CsvReader</name>
    <message>
        <source>Out of memory.</source>
        <translation>Недостаточно памяти.</translation>
    </message>
    <message>
        <source>Line %1 holds binary data: this is not a text file.</source>
        <translation>Строка %1 содержит двоичные данные: это не текстовый файл.</translation>
    </message>
    <message>
        <source>Line %1 is not valid CSV: %2.</source>
        <translation>Строка %1 — некорректный CSV: %2.</translation>
    </message>
    <message>
        <source>Line %1 opens a quoted field that is never closed.</source>
        <translation>В строке %1 открыто поле в кавычках, которое нигде не закрыто.</translation>
    </message>
</context>
<context>
    <name>DateListText</name>
    <message>
        <source>and %1 more</source>
        <translation>и ещё %1</translation>
    </message>
</context>
<context>
    <name>DayEditing</name>
    <message>
        <source>Select workout first.</source>
        <translation>Сначала выберите тренировку.</translation>
    </message>
    <message>
        <source>Rename workout</source>
        <translation>Переименовать тренировку</translation>
    </message>
</context>
<context>
    <name>DayEditingPanel</name>
    <message>
        <source>Exercise...	Ins</source>
        <translation>Упражнение...	Ins</translation>
    </message>
    <message>
        <source>Workout...</source>
        <translation>Тренировка...</translation>
    </message>
    <message>
        <source>Up	Ctrl + Up</source>
        <translation>Вверх	Ctrl + Up</translation>
    </message>
    <message>
        <source>Down	Ctrl + Down</source>
        <translation>Вниз	Ctrl + Down</translation>
    </message>
    <message>
        <source>Left	Ctrl + Left</source>
        <translation>Влево	Ctrl + Left</translation>
    </message>
    <message>
        <source>Right	Ctrl + Right</source>
        <translation>Вправо	Ctrl + Right</translation>
    </message>
    <message>
        <source>Rename workout...</source>
        <translation>Переименовать тренировку...</translation>
    </message>
    <message>
        <source>Selected exercise(s)	Del</source>
        <translation>Выбранные упражнения	Del</translation>
    </message>
    <message>
        <source>All exercises</source>
        <translation>Все упражнения</translation>
    </message>
    <message>
        <source>Workout</source>
        <translation>Тренировка</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Выбрать все</translation>
    </message>
    <message>
        <source>Mark workout as &apos;Done&apos;</source>
        <translation>Отметить тренировку как «Выполнено»</translation>
    </message>
    <message>
        <source>Mark workout as &apos;Failed&apos;</source>
        <translation>Отметить тренировку как «Не выполнено»</translation>
    </message>
    <message>
        <source>Mark workout as &apos;Not yet&apos;</source>
        <translation>Отметить тренировку как «Ещё нет»</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Правка</translation>
    </message>
    <message>
        <source>Move exercise(s)</source>
        <translation>Переместить упражнения</translation>
    </message>
    <message>
        <source>Move workout</source>
        <translation>Переместить тренировку</translation>
    </message>
    <message>
        <source>Add exercise</source>
        <translation>Добавить упражнение</translation>
    </message>
    <message>
        <source>Remove selected exercise(s)</source>
        <translation>Удалить выбранные упражнения</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Влево</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Вправо</translation>
    </message>
    <message>
        <source>Workout status</source>
        <translation>Статус тренировки</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Вверх</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Вниз</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>DayOperations</name>
    <message>
        <source>Do you really want to remove selected day(s)?</source>
        <translation>Действительно удалить выбранные дни?</translation>
    </message>
    <message>
        <source>There are some trainings dated to this day.
If you want to swap days press &apos;Yes&apos;.
If you want to merge training days press &apos;No&apos;.
Press &apos;Cancel&apos; to do nothing.</source>
        <translation>На этот день уже назначены тренировки.
Чтобы поменять дни местами, нажмите «Да».
Чтобы объединить тренировочные дни, нажмите «Нет».
Нажмите «Отмена», чтобы ничего не делать.</translation>
    </message>
    <message>
        <source>You have selected an empty day.
If you want to move trainings here press &apos;Yes&apos;.
If you want to make a copy of this day press &apos;No&apos;.
Press &apos;Cancel&apos; to do nothing.</source>
        <translation>Вы выбрали пустой день.
Чтобы перенести тренировки сюда, нажмите «Да».
Чтобы сделать копию этого дня, нажмите «Нет».
Нажмите «Отмена», чтобы ничего не делать.</translation>
    </message>
    <message>
        <source>Error! Training could not be dated to this day.</source>
        <translation>Ошибка! Не удалось назначить тренировку на этот день.</translation>
    </message>
    <message>
        <source>Choose the target day.</source>
        <translation>Выберите целевой день.</translation>
    </message>
    <message>
        <source>Select the day first.</source>
        <translation>Сначала выберите день.</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>Обмен</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Объединение</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Перенести</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копирование</translation>
    </message>
</context>
<context>
    <name>DayPreview</name>
    <message>
        <source>Day note</source>
        <translation>Заметка дня</translation>
    </message>
    <message>
        <source>No note</source>
        <translation>Нет заметки</translation>
    </message>
    <message>
        <source>Workout area</source>
        <translation>Область тренировки</translation>
    </message>
    <message>
        <source>To add notes to selected day press &quot;Notes&quot; button.</source>
        <translation>Чтобы добавить заметки к выбранному дню, нажмите кнопку «Заметки».</translation>
    </message>
</context>
<context>
    <name>DayPrintDocument</name>
    <message>
        <source>Exercise</source>
        <translation>Упражнение</translation>
    </message>
    <message>
        <source>Sets</source>
        <translation>Подходы</translation>
    </message>
    <message>
        <source>Reps</source>
        <translation>Повт.</translation>
    </message>
    <message>
        <source>Forced</source>
        <translation>Форсир.</translation>
    </message>
    <message>
        <source>Negative</source>
        <translation>Негатив.</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Вес</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Заметка</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Статус</translation>
    </message>
    <message>
        <source>No exercises.</source>
        <translation>Нет упражнений.</translation>
    </message>
    <message>
        <source>No workouts.</source>
        <translation>Нет тренировок.</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Заметки</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Страница %1 из %2</translation>
    </message>
    <message>
        <source> (continued)</source>
        <translation> (продолжение)</translation>
    </message>
</context>
<context>
    <name>DesktopNotification</name>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
</context>
<context>
    <name>DiaryBackups</name>
    <message>
        <source>The diary file could not be read for a backup:
%1</source>
        <translation>Не удалось прочитать файл дневника для резервной копии:
%1</translation>
    </message>
    <message>
        <source>A backup of the diary could not be written in:
%1</source>
        <translation>Не удалось записать резервную копию дневника в:
%1</translation>
    </message>
    <message>
        <source>the backup of %1 with 1 day</source>
        <translation>резервная копия от %1 с 1 днём</translation>
    </message>
    <message>
        <source>the backup of %1 with %2 days</source>
        <translation>резервная копия от %1 с %2 дн.</translation>
    </message>
    <message>
        <source>The backup cannot be read or is damaged:
%1</source>
        <translation>Резервную копию не удаётся прочитать, или она повреждена:
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
        <translation>%1 — не целое число</translation>
    </message>
    <message>
        <source>unreadable date &quot;%1&quot;</source>
        <translation>нечитаемая дата «%1»</translation>
    </message>
    <message>
        <source>positions of workout and exercise must count from 1</source>
        <translation>номера тренировки и упражнения должны начинаться с 1</translation>
    </message>
    <message>
        <source>unknown workout status &quot;%1&quot;</source>
        <translation>неизвестный статус тренировки «%1»</translation>
    </message>
    <message>
        <source>unknown exercise status &quot;%1&quot;</source>
        <translation>неизвестный статус упражнения «%1»</translation>
    </message>
    <message>
        <source>unreadable weight &quot;%1&quot;</source>
        <translation>нечитаемый вес «%1»</translation>
    </message>
    <message>
        <source>Line %1: the header lacks the column &quot;%2&quot;.</source>
        <translation>Строка %1: в заголовке нет столбца «%2».</translation>
    </message>
</context>
<context>
    <name>DiaryExchange</name>
    <message>
        <source>Export only the %1?

Yes: the selected days.
No: the whole diary (%2).</source>
        <translation>Экспортировать только %1?

Да: выбранные дни.
Нет: весь дневник (%2).</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Экспорт</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;JSON files (*.json);;All files (*)</source>
        <translation>Файлы CSV (*.csv);;Файлы JSON (*.json);;Все файлы (*)</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Импорт</translation>
    </message>
    <message>
        <source>Training log exports: Repbook, Strong, Hevy, FitNotes, LiftLog (*.csv *.json);;All files (*)</source>
        <translation>Экспорт дневников тренировок: Repbook, Strong, Hevy, FitNotes, LiftLog (*.csv *.json);;Все файлы (*)</translation>
    </message>
</context>
<context>
    <name>DiaryExport</name>
    <message>
        <source>It is a folder.</source>
        <translation>Это папка.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Папка %1 не существует.</translation>
    </message>
    <message>
        <source>The file is write-protected.</source>
        <translation>Файл защищён от записи.</translation>
    </message>
    <message>
        <source>You may not create files in the folder %1.</source>
        <translation>У вас нет прав создавать файлы в папке %1.</translation>
    </message>
    <message>
        <source>It is no ordinary file.</source>
        <translation>Это не обычный файл.</translation>
    </message>
    <message>
        <source>The folder %1 takes no new files.</source>
        <translation>В папку %1 нельзя добавить новые файлы.</translation>
    </message>
    <message>
        <source>The export could not be written to:
%1
%2</source>
        <translation>Не удалось записать экспорт в:
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
        <translation>В %1 уже есть дневник, возможно, с другого компьютера.

Да: использовать этот дневник. Дневник этого компьютера останется на месте, без использования.
Нет: объединить с ним дневник этого компьютера, день за днём. Где в обоих есть день с разными записями, сохраняется день того дневника, а день этого компьютера записывается рядом.
Отмена: оставить дневник на месте.</translation>
    </message>
    <message>
        <source>Diary folder</source>
        <translation>Папка дневника</translation>
    </message>
    <message>
        <source>
The diary stays where it is.</source>
        <translation>
Дневник остаётся на месте.</translation>
    </message>
    <message>
        <source>The diary is now in:
%1

The files in %2 were left as they were; remove them once you no longer need them.</source>
        <translation>Дневник теперь находится в:
%1

Файлы в %2 оставлены как есть; удалите их, когда они станут не нужны.</translation>
    </message>
    <message>
        <source>

The ignore file .stignore could not be written there: keep *.lock files and the Backups folder out of the sync by hand.</source>
        <translation>

Не удалось записать туда файл исключений .stignore: исключите файлы *.lock и папку Backups из синхронизации вручную.</translation>
    </message>
    <message>
        <source>

Days that both diaries hold with other entries kept the folder&apos;s version; this computer&apos;s were saved in:
%1
Edit &gt; Conflicts shows them beside the folder&apos;s and lets you take them instead.</source>
        <translation>

Для дней с разными записями в обоих дневниках сохранена версия папки; версии этого компьютера записаны в:
%1
Правка &gt; Конфликты показывает их рядом с версиями папки и позволяет выбрать их.</translation>
    </message>
</context>
<context>
    <name>DiaryFolderSwitch</name>
    <message>
        <source>%1 could not be copied to:
%2</source>
        <translation>Не удалось скопировать %1 в:
%2</translation>
    </message>
    <message>
        <source>The diary %1 cannot be read or is damaged.</source>
        <translation>Дневник %1 не удаётся прочитать, или он повреждён.</translation>
    </message>
</context>
<context>
    <name>DiaryHistory</name>
    <message>
        <source>&quot;%1 %2&quot; is not possible: another program (the notifier or the command-line tool) has changed %3 since. Doing it would throw that change away.</source>
        <translation>«%1 %2» невозможно: другая программа (напоминание или инструмент командной строки) с тех пор изменила %3. Это действие отменило бы то изменение.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Повтор</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Отменить</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Повторить</translation>
    </message>
</context>
<context>
    <name>DiaryImport</name>
    <message>
        <source>%1: %2 with %3 to add (%4)%5; %6 already in the diary; %7 skipped.</source>
        <translation>%1: %2 с %3 к добавлению (%4)%5; %6 уже в дневнике; пропущено: %7.</translation>
    </message>
    <message>
        <source>Added %1 with %2 (%3)%4.</source>
        <translation>Добавлено: %1 с %2 (%3)%4.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>с %1 по %2</translation>
    </message>
    <message>
        <source>(no date)</source>
        <translation>(без даты)</translation>
    </message>
    <message>
        <source>%1  new day, %2, %3; %4 already there</source>
        <translation>%1  новый день, %2, %3; уже есть: %4</translation>
    </message>
    <message>
        <source>%1  adds %2, %3; %4 already there</source>
        <translation>%1  добавляет %2, %3; уже есть: %4</translation>
    </message>
    <message>
        <source>line %1 skipped: %2</source>
        <translation>строка %1 пропущена: %2</translation>
    </message>
</context>
<context>
    <name>DiaryJson</name>
    <message>
        <source>a day must be an object</source>
        <translation>день должен быть объектом</translation>
    </message>
    <message>
        <source>Day %1 of the file: %2.</source>
        <translation>День %1 файла: %2.</translation>
    </message>
    <message>
        <source>unreadable date</source>
        <translation>нечитаемая дата</translation>
    </message>
    <message>
        <source>unknown status &quot;%1&quot;</source>
        <translation>неизвестный статус «%1»</translation>
    </message>
    <message>
        <source>Line %1 is not valid JSON: %2.</source>
        <translation>Строка %1 — некорректный JSON: %2.</translation>
    </message>
    <message>
        <source>Line 1: this JSON file is no Repbook diary export.</source>
        <translation>Строка 1: этот файл JSON не является экспортом дневника Repbook.</translation>
    </message>
    <message>
        <source>Line 1: the file was written by a newer Repbook (version %1).</source>
        <translation>Строка 1: файл записан более новой версией Repbook (версия %1).</translation>
    </message>
    <message>
        <source>Line 1: unknown weight unit &quot;%1&quot;.</source>
        <translation>Строка 1: неизвестная единица веса «%1».</translation>
    </message>
</context>
<context>
    <name>DiarySaving</name>
    <message>
        <source>The diary file had been damaged outside the program. It was kept as:
%1
The diary was saved again from the days shown here.</source>
        <translation>Файл дневника был повреждён вне программы. Он сохранён как:
%1
Дневник заново сохранён из показанных здесь дней.</translation>
    </message>
    <message>
        <source>
Your changes are kept while the program runs, and saving is tried again every minute.</source>
        <translation>
Ваши изменения сохраняются, пока программа работает, а сохранение повторяется каждую минуту.</translation>
    </message>
    <message>
        <source>
The diary itself is saved as usual; the backup is tried again at the next save.</source>
        <translation>
Сам дневник сохраняется как обычно; резервная копия будет повторена при следующем сохранении.</translation>
    </message>
    <message>
        <source>Not saved: the days of %1.</source>
        <translation>Не сохранено: дни %1.</translation>
    </message>
    <message>
        <source>%1
%2

Retry, exit without saving (Discard), or go back to the diary (Cancel)?</source>
        <translation>%1
%2

Повторить, выйти без сохранения («Отказаться») или вернуться в дневник («Отмена»)?</translation>
    </message>
    <message>
        <source>Another program changed days that were also changed here:
%1
The diary keeps the version shown here. The other version was saved in:
%2
Edit &gt; Conflicts shows it beside the diary&apos;s and lets you take it instead.</source>
        <translation>Другая программа изменила дни, которые были изменены и здесь:
%1
Дневник сохраняет показанную здесь версию. Другая версия сохранена в:
%2
Правка &gt; Конфликты показывает её рядом с версией дневника и позволяет выбрать её.</translation>
    </message>
</context>
<context>
    <name>EditorControls</name>
    <message>
        <source>New...	Ctrl + N</source>
        <translation>Создать...	Ctrl + N</translation>
    </message>
    <message>
        <source>Open...	Ctrl + O</source>
        <translation>Открыть...	Ctrl + O</translation>
    </message>
    <message>
        <source>Close	Ctrl + W</source>
        <translation>Закрыть	Ctrl + W</translation>
    </message>
    <message>
        <source>Save	Ctrl + S</source>
        <translation>Сохранить	Ctrl + S</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>Сохранить как...</translation>
    </message>
    <message>
        <source>Exit	Ctrl + X</source>
        <translation>Выход	Ctrl + X</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>День</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Вверх</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Вниз</translation>
    </message>
    <message>
        <source>Selected exercise(s)	Del</source>
        <translation>Выбранные упражнения	Del</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Добавить</translation>
    </message>
    <message>
        <source>Move day</source>
        <translation>Переместить день</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>Workout...</source>
        <translation>Тренировка...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Remove selected exercise(s) or day(s)</source>
        <translation>Удалить выбранные упражнения или дни</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
</context>
<context>
    <name>ExchangeFields</name>
    <message>
        <source>%1 outside %2..%3</source>
        <translation>%1 вне диапазона %2..%3</translation>
    </message>
    <message>
        <source>sets</source>
        <translation>подходы</translation>
    </message>
    <message>
        <source>reps</source>
        <translation>повторения</translation>
    </message>
    <message>
        <source>forced reps</source>
        <translation>форсированные повторения</translation>
    </message>
    <message>
        <source>negative reps</source>
        <translation>негативные повторения</translation>
    </message>
    <message>
        <source>weight outside 0..%1 kg</source>
        <translation>вес вне диапазона 0..%1 кг</translation>
    </message>
</context>
<context>
    <name>ExerciseColumns</name>
    <message>
        <source>Status</source>
        <translation>Статус</translation>
    </message>
    <message>
        <source>Exercise</source>
        <translation>Упражнение</translation>
    </message>
    <message>
        <source>Sets</source>
        <translation>Подходы</translation>
    </message>
    <message>
        <source>Reps</source>
        <translation>Повт.</translation>
    </message>
    <message>
        <source>Forced</source>
        <translation>Форсир.</translation>
    </message>
    <message>
        <source>Negative</source>
        <translation>Негатив.</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Вес</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Заметка</translation>
    </message>
</context>
<context>
    <name>ExerciseHistory</name>
    <message>
        <source>Heaviest weight</source>
        <translation>Максимальный вес</translation>
    </message>
    <message>
        <source>Estimated 1RM</source>
        <translation>Расчётный 1ПМ</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Тоннаж</translation>
    </message>
    <message>
        <source>Most repetitions</source>
        <translation>Больше всего повторений</translation>
    </message>
    <message>
        <source>Sets</source>
        <translation>Подходы</translation>
    </message>
</context>
<context>
    <name>ExportCommand</name>
    <message>
        <source>csv (default) or json.</source>
        <translation>csv (по умолчанию) или json.</translation>
    </message>
    <message>
        <source>Write to FILE instead of standard output.</source>
        <translation>Писать в FILE вместо стандартного вывода.</translation>
    </message>
    <message>
        <source>Writes the diary, or the days of a date range, as CSV or JSON.</source>
        <translation>Выводит дневник или дни диапазона дат в формате CSV или JSON.</translation>
    </message>
    <message>
        <source>export takes no file argument; use --output.</source>
        <translation>export не принимает файл; используйте --output.</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot;.</source>
        <translation>неизвестный формат «%1».</translation>
    </message>
    <message>
        <source>The export could not be written to standard output.</source>
        <translation>Не удалось записать экспорт в стандартный вывод.</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>Training program files (*.rpp);;All files (*)</source>
        <translation>Файлы программ тренировок (*.rpp);;Все файлы (*)</translation>
    </message>
    <message>
        <source>PNG images (*.png);;All files (*)</source>
        <translation>Изображения PNG (*.png);;Все файлы (*)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
</context>
<context>
    <name>FindCommand</name>
    <message>
        <source>Prints the workouts, exercises and notes that contain TEXT, newest first. Case and accents do not matter.</source>
        <translation>Выводит тренировки, упражнения и заметки, содержащие TEXT, сначала новые. Регистр и диакритика не важны.</translation>
    </message>
    <message>
        <source>The text to find.</source>
        <translation>Искомый текст.</translation>
    </message>
    <message>
        <source>find takes exactly one text (quote a text with spaces).</source>
        <translation>find принимает ровно один текст (текст с пробелами заключите в кавычки).</translation>
    </message>
    <message>
        <source>find needs a text to look for.</source>
        <translation>find нужен текст для поиска.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not found.</source>
        <translation>«%1» не найдено.</translation>
    </message>
</context>
<context>
    <name>FindResultsModel</name>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Где</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
</context>
<context>
    <name>ImportCommand</name>
    <message>
        <source>&quot;%1&quot; is no exercise of the diary; the closest is &quot;%2&quot; (--map &quot;%1=%2&quot; joins them).
</source>
        <translation>«%1» — не упражнение дневника; ближайшее — «%2» (--map &quot;%1=%2&quot; объединяет их).
</translation>
    </message>
    <message>
        <source>auto (default), csv, json, strong, hevy, fitnotes or liftlog.</source>
        <translation>auto (по умолчанию), csv, json, strong, hevy, fitnotes или liftlog.</translation>
    </message>
    <message>
        <source>Joins an exercise name of the file to one of the diary, as &quot;NAME IN THE FILE=DIARY NAME&quot; (repeatable; overrides a remembered choice for this run).</source>
        <translation>Связывает название упражнения из файла с названием из дневника, в виде &quot;NAME IN THE FILE=DIARY NAME&quot; (можно повторять; на этот запуск заменяет запомненный выбор).</translation>
    </message>
    <message>
        <source>Only print what would be added.</source>
        <translation>Только вывести, что было бы добавлено.</translation>
    </message>
    <message>
        <source>Also print a line for every date.</source>
        <translation>Также вывести строку для каждой даты.</translation>
    </message>
    <message>
        <source>Adds the workouts of a Repbook CSV or JSON export, or of a CSV export of Strong, Hevy, FitNotes or LiftLog, to the diary. Workouts already in the diary are left out. Safe while Repbook or Repminder runs.</source>
        <translation>Добавляет в дневник тренировки из экспорта Repbook в CSV или JSON либо из экспорта CSV приложений Strong, Hevy, FitNotes или LiftLog. Тренировки, уже имеющиеся в дневнике, пропускаются. Безопасно при работающих Repbook или Repminder.</translation>
    </message>
    <message>
        <source>The file to import.</source>
        <translation>Импортируемый файл.</translation>
    </message>
    <message>
        <source>import takes exactly one file.</source>
        <translation>import принимает ровно один файл.</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot;.</source>
        <translation>неизвестный формат «%1».</translation>
    </message>
    <message>
        <source>--map &quot;%1&quot; is not &quot;NAME IN THE FILE=DIARY NAME&quot;.</source>
        <translation>--map &quot;%1&quot; не имеет вида &quot;NAME IN THE FILE=DIARY NAME&quot;.</translation>
    </message>
    <message>
        <source>The diary %1 cannot be read.</source>
        <translation>Не удаётся прочитать дневник %1.</translation>
    </message>
    <message>
        <source>Nothing to add.
</source>
        <translation>Добавлять нечего.
</translation>
    </message>
    <message>
        <source>Days changed meanwhile by another program were kept in %1.</source>
        <translation>Дни, изменённые тем временем другой программой, сохранены в %1.</translation>
    </message>
</context>
<context>
    <name>ImportNameMap</name>
    <message>
        <source>The choices of exercise names could not be saved in %1.</source>
        <translation>Не удалось сохранить выбор названий упражнений в %1.</translation>
    </message>
</context>
<context>
    <name>ImportSource</name>
    <message>
        <source>Line 1: the file has no header.</source>
        <translation>Строка 1: в файле нет заголовка.</translation>
    </message>
    <message>
        <source>Line 1: the file is empty.</source>
        <translation>Строка 1: файл пуст.</translation>
    </message>
    <message>
        <source>Line 1: the file is no export that Repbook can read (a Repbook CSV or JSON file, or a CSV export of Strong, Hevy, FitNotes or LiftLog).</source>
        <translation>Строка 1: файл не является экспортом, который может прочитать Repbook (файл CSV или JSON из Repbook либо экспорт CSV из Strong, Hevy, FitNotes или LiftLog).</translation>
    </message>
    <message>
        <source>%1 is too large to import (%2 MB; at most %3 MB).</source>
        <translation>%1 слишком велик для импорта (%2 МБ; не более %3 МБ).</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>Не удаётся прочитать %1.</translation>
    </message>
    <message>
        <source>%1 cannot be imported.
%2</source>
        <translation>Не удаётся импортировать %1.
%2</translation>
    </message>
</context>
<context>
    <name>LaunchDiary</name>
    <message>
        <source>The diary program could not be started:
%1</source>
        <translation>Не удалось запустить программу дневника:
%1</translation>
    </message>
</context>
<context>
    <name>LiftLogExport</name>
    <message>
        <source>Line %1: the header is not that of a %2 file.</source>
        <translation>Строка %1: заголовок не соответствует файлу %2.</translation>
    </message>
    <message>
        <source>unreadable timestamp &quot;%1&quot;</source>
        <translation>нечитаемая отметка времени «%1»</translation>
    </message>
    <message>
        <source>unreadable number</source>
        <translation>нечитаемое число</translation>
    </message>
    <message>
        <source>unknown unit &quot;%1&quot;</source>
        <translation>неизвестная единица «%1»</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Импорт...</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Экспорт...</translation>
    </message>
    <message>
        <source>P&amp;rint preview</source>
        <translation>&amp;Предварительный просмотр</translation>
    </message>
    <message>
        <source>&amp;Print	Ctrl + P</source>
        <translation>П&amp;ечать	Ctrl + P</translation>
    </message>
    <message>
        <source>Restore from &amp;backup...</source>
        <translation>Восстановить из &amp;резервной копии...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Правка</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl + Z</source>
        <translation>&amp;Отменить	Ctrl + Z</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl + Y</source>
        <translation>П&amp;овторить	Ctrl + Y</translation>
    </message>
    <message>
        <source>View...	Return</source>
        <translation>Просмотр...	Enter</translation>
    </message>
    <message>
        <source>Notes...	Ctrl + N</source>
        <translation>Заметки...	Ctrl + N</translation>
    </message>
    <message>
        <source>&amp;Add workout...	Ins</source>
        <translation>&amp;Добавить тренировку...	Ins</translation>
    </message>
    <message>
        <source>&amp;Move selected</source>
        <translation>&amp;Переместить выбранное</translation>
    </message>
    <message>
        <source>&amp;Remove selected	Del</source>
        <translation>&amp;Удалить выбранное	Del</translation>
    </message>
    <message>
        <source>&amp;Find...	Ctrl + F</source>
        <translation>&amp;Найти...	Ctrl + F</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Вид</translation>
    </message>
    <message>
        <source>Go to</source>
        <translation>Перейти</translation>
    </message>
    <message>
        <source>Today	Ctrl + Return</source>
        <translation>Сегодня	Ctrl + Enter</translation>
    </message>
    <message>
        <source>First day	Ctrl + Home</source>
        <translation>Первый день	Ctrl + Home</translation>
    </message>
    <message>
        <source>Previous day	Ctrl + Left</source>
        <translation>Предыдущий день	Ctrl + Left</translation>
    </message>
    <message>
        <source>Next day	Ctrl + Right</source>
        <translation>Следующий день	Ctrl + Right</translation>
    </message>
    <message>
        <source>Last day	Ctrl + End</source>
        <translation>Последний день	Ctrl + End</translation>
    </message>
    <message>
        <source>&amp;Refresh	F5</source>
        <translation>О&amp;бновить	F5</translation>
    </message>
    <message>
        <source>Set range...</source>
        <translation>Задать диапазон...</translation>
    </message>
    <message>
        <source>&amp;Selection to range	Ctrl + R</source>
        <translation>В&amp;ыделение в диапазон	Ctrl + R</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Инструменты</translation>
    </message>
    <message>
        <source>&amp;Editor...	Ctrl + E</source>
        <translation>&amp;Редактор...	Ctrl + E</translation>
    </message>
    <message>
        <source>Apply program...	Ctrl + Space</source>
        <translation>Применить программу...	Ctrl + Space</translation>
    </message>
    <message>
        <source>&amp;Progress...	Ctrl + G</source>
        <translation>П&amp;рогресс...	Ctrl + G</translation>
    </message>
    <message>
        <source>User...</source>
        <translation>Пользователь...</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Параметры...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;About Repbook...</source>
        <translation>&amp;О программе Repbook...</translation>
    </message>
    <message>
        <source>&amp;Conflicts...</source>
        <translation>&amp;Конфликты...</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Просмотр</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Перенести</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Первый</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Вперёд</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Последний</translation>
    </message>
    <message>
        <source>Editor</source>
        <translation>Редактор</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Заметки</translation>
    </message>
</context>
<context>
    <name>MergeCommand</name>
    <message>
        <source>Only print what would be merged.</source>
        <translation>Только вывести, что было бы объединено.</translation>
    </message>
    <message>
        <source>%1: already merged, %2</source>
        <translation>%1: уже объединено, %2</translation>
    </message>
    <message>
        <source>%1: damaged (fails its integrity check), not merged</source>
        <translation>%1: повреждён (не проходит проверку целостности), не объединён</translation>
    </message>
    <message>
        <source>%1: cannot be read, not merged</source>
        <translation>%1: не читается, не объединён</translation>
    </message>
    <message>
        <source>; changed on both sides, the diary&apos;s days kept: %1</source>
        <translation>; изменено с обеих сторон, сохранены дни дневника: %1</translation>
    </message>
    <message>
        <source>Merges the conflict copies that a sync engine (Syncthing, Nextcloud, Dropbox) left beside the diary and its name lists, by date, then removes them. A date changed on both sides keeps the diary&apos;s days; the copy&apos;s are kept in a conflict file beside the diary. Exit code 0: merged or nothing to merge, 1: a copy could not be merged (nothing is written then). Safe while Repbook or Repminder runs.</source>
        <translation>Объединяет по датам конфликтные копии, оставленные программой синхронизации (Syncthing, Nextcloud, Dropbox) рядом с дневником и его списками названий, затем удаляет их. Для даты, изменённой с обеих сторон, сохраняются дни дневника; дни копии записываются в конфликтный файл рядом с дневником. Код выхода 0: объединено или нечего объединять, 1: копию не удалось объединить (тогда ничего не записывается). Безопасно при работающих Repbook или Repminder.</translation>
    </message>
    <message>
        <source>merge takes no file; use --diary.</source>
        <translation>merge не принимает файл; используйте --diary.</translation>
    </message>
    <message>
        <source>Nothing to merge.
</source>
        <translation>Объединять нечего.
</translation>
    </message>
    <message>
        <source>%1: names merged</source>
        <translation>%1: названия объединены</translation>
    </message>
    <message>
        <source>%1 names would be added to the name lists</source>
        <translation>Названий было бы добавлено в списки: %1</translation>
    </message>
    <message>
        <source>%1 names added to the name lists</source>
        <translation>Названий добавлено в списки: %1</translation>
    </message>
    <message>
        <source>The copies&apos; days of dates changed on both sides are kept in %1</source>
        <translation>Дни копий для дат, изменённых с обеих сторон, сохранены в %1</translation>
    </message>
    <message>
        <source>
Nothing was merged.</source>
        <translation>
Ничего не объединено.</translation>
    </message>
    <message>
        <source>%1: would take %2 dates</source>
        <translation>%1: было бы взято дат: %2</translation>
    </message>
    <message>
        <source>%1: took %2 dates</source>
        <translation>%1: взято дат: %2</translation>
    </message>
</context>
<context>
    <name>PeerExports</name>
    <message>
        <source>unreadable date &quot;%1&quot;</source>
        <translation>нечитаемая дата «%1»</translation>
    </message>
    <message>
        <source>unreadable number</source>
        <translation>нечитаемое число</translation>
    </message>
    <message>
        <source>Line %1: the header is not that of a %2 file.</source>
        <translation>Строка %1: заголовок не соответствует файлу %2.</translation>
    </message>
</context>
<context>
    <name>PeriodPoints</name>
    <message>
        <source>One point per week: the sum of each week.</source>
        <translation>Одна точка на неделю: сумма за каждую неделю.</translation>
    </message>
    <message>
        <source>One point per week: the best of each week.</source>
        <translation>Одна точка на неделю: лучшее за каждую неделю.</translation>
    </message>
    <message>
        <source>One point per month: the sum of each month.</source>
        <translation>Одна точка на месяц: сумма за каждый месяц.</translation>
    </message>
    <message>
        <source>One point per month: the best of each month.</source>
        <translation>Одна точка на месяц: лучшее за каждый месяц.</translation>
    </message>
</context>
<context>
    <name>PrintedDay</name>
    <message>
        <source>Undated day</source>
        <translation>День без даты</translation>
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
        <translation>Применение программы</translation>
    </message>
</context>
<context>
    <name>ProgramDayList</name>
    <message>
        <source>Program days</source>
        <translation>Дни программы</translation>
    </message>
    <message>
        <source>Day %1</source>
        <translation>День %1</translation>
    </message>
</context>
<context>
    <name>ProgramFile</name>
    <message>
        <source>Save changes?</source>
        <translation>Сохранить изменения?</translation>
    </message>
    <message>
        <source>Error! File is corrupted.</source>
        <translation>Ошибка! Файл повреждён.</translation>
    </message>
    <message>
        <source>Error! The program could not be saved to
%1</source>
        <translation>Ошибка! Не удалось сохранить программу в
%1</translation>
    </message>
</context>
<context>
    <name>ProgressStatus</name>
    <message>
        <source>Not yet</source>
        <translation>Ещё нет</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Выполнено</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Не выполнено</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>none yet</source>
        <translation>пока нет</translation>
    </message>
</context>
<context>
    <name>RangeControls</name>
    <message>
        <source>Range</source>
        <translation>Диапазон</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Календарь</translation>
    </message>
    <message>
        <source>dates in the range</source>
        <translation>даты в диапазоне</translation>
    </message>
    <message>
        <source>Range of the calendar: %1 to %2</source>
        <translation>Диапазон календаря: с %1 по %2</translation>
    </message>
</context>
<context>
    <name>RecordsCommand</name>
    <message>
        <source>Count Failed exercises as well as Done.</source>
        <translation>Учитывать невыполненные упражнения наравне с выполненными.</translation>
    </message>
    <message>
        <source>%1 x %2</source>
        <translation>%1 x %2</translation>
    </message>
    <message>
        <source>Estimated 1RM</source>
        <translation>Расчётный 1ПМ</translation>
    </message>
    <message>
        <source>Highest day volume</source>
        <translation>Наибольший тоннаж за день</translation>
    </message>
    <message>
        <source>Most reps, weight 0</source>
        <translation>Больше всего повторений, вес 0</translation>
    </message>
    <message>
        <source>Prints the personal records of an exercise, or of every performed exercise, most recently trained first.</source>
        <translation>Выводит личные рекорды упражнения или каждого выполненного упражнения, сначала недавние.</translation>
    </message>
    <message>
        <source>The exercise (case and surrounding spaces do not matter); all exercises when left out.</source>
        <translation>Упражнение (регистр и пробелы по краям не важны); если не указано — все упражнения.</translation>
    </message>
    <message>
        <source>records takes one exercise at most (quote a name with spaces).</source>
        <translation>records принимает не более одного упражнения (название с пробелами заключите в кавычки).</translation>
    </message>
    <message>
        <source>No exercise is marked Done in the diary yet.</source>
        <translation>В дневнике ещё нет упражнений, отмеченных как выполненные.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was never done.</source>
        <translation>«%1» ни разу не выполнялось.</translation>
    </message>
    <message>
        <source>Heaviest, %1 rep</source>
        <translation>Максимальный вес, %1 повт.</translation>
    </message>
    <message>
        <source>Heaviest, %1 reps</source>
        <translation>Максимальный вес, %1 повт.</translation>
    </message>
</context>
<context>
    <name>RecordsTable</name>
    <message>
        <source>Record</source>
        <translation>Рекорд</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Лучший</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Heaviest, 1 rep</source>
        <translation>Максимальный вес, 1 повт.</translation>
    </message>
    <message>
        <source>Heaviest, %1 reps</source>
        <translation>Максимальный вес, %1 повт.</translation>
    </message>
    <message>
        <source>Estimated 1RM</source>
        <translation>Расчётный 1ПМ</translation>
    </message>
    <message>
        <source>Highest day volume</source>
        <translation>Наибольший тоннаж за день</translation>
    </message>
    <message>
        <source>Most reps, weight 0</source>
        <translation>Больше всего повторений, вес 0</translation>
    </message>
</context>
<context>
    <name>ReminderScheduler</name>
    <message>
        <source>You have a workout today</source>
        <translation>Сегодня у вас тренировка</translation>
    </message>
    <message>
        <source>Get workout plan by clicking on this message.</source>
        <translation>Нажмите на это сообщение, чтобы получить план тренировки.</translation>
    </message>
    <message>
        <source>Fill in workout</source>
        <translation>Заполнить тренировку</translation>
    </message>
    <message>
        <source>Click on this message to fill in your workout results.</source>
        <translation>Нажмите на это сообщение, чтобы внести результаты тренировки.</translation>
    </message>
</context>
<context>
    <name>RestoreFlow</name>
    <message>
        <source>Replace the diary by the backup %1?
The diary as it is now is kept as a backup first, and Undo brings it back.</source>
        <translation>Заменить дневник резервной копией %1?
Текущий дневник сначала сохраняется как резервная копия, и «Отменить» вернёт его.</translation>
    </message>
    <message>
        <source>
Nothing was restored: the diary as it is now could not be kept first.</source>
        <translation>
Ничего не восстановлено: не удалось сначала сохранить текущий дневник.</translation>
    </message>
    <message>
        <source>Restore backup</source>
        <translation>Восстановить копию</translation>
    </message>
    <message>
        <source>
The restored days are shown, and saving is tried again every minute.</source>
        <translation>
Восстановленные дни показаны, а сохранение повторяется каждую минуту.</translation>
    </message>
    <message>
        <source>The diary was restored from:
%1</source>
        <translation>Дневник восстановлен из:
%1</translation>
    </message>
    <message>
        <source>
The diary as it was is kept as:
%1</source>
        <translation>
Прежний дневник сохранён как:
%1</translation>
    </message>
    <message>
        <source>
Days another program had changed meanwhile are kept in:
%1</source>
        <translation>
Дни, изменённые тем временем другой программой, сохранены в:
%1</translation>
    </message>
</context>
<context>
    <name>SetCollector</name>
    <message>
        <source>unreadable date</source>
        <translation>нечитаемая дата</translation>
    </message>
    <message>
        <source>no exercise name</source>
        <translation>нет названия упражнения</translation>
    </message>
    <message>
        <source>time or distance only</source>
        <translation>только время или дистанция</translation>
    </message>
    <message>
        <source>no weight and no reps</source>
        <translation>нет ни веса, ни повторений</translation>
    </message>
    <message>
        <source>weight %1 kg outside 0..%2 kg</source>
        <translation>вес %1 кг вне диапазона 0..%2 кг</translation>
    </message>
</context>
<context>
    <name>SharedDiaryFile</name>
    <message>
        <source>The diary file cannot be read:
%1</source>
        <translation>Не удаётся прочитать файл дневника:
%1</translation>
    </message>
    <message>
        <source>Days changed on both sides could not be kept in:
%1</source>
        <translation>Не удалось сохранить дни, изменённые с обеих сторон, в:
%1</translation>
    </message>
    <message>
        <source>The diary is not bound to a file.</source>
        <translation>Дневник не привязан к файлу.</translation>
    </message>
    <message>
        <source>The diary file is being saved by another program:
%1</source>
        <translation>Файл дневника сейчас сохраняет другая программа:
%1</translation>
    </message>
    <message>
        <source>The diary could not be saved to:
%1</source>
        <translation>Не удалось сохранить дневник в:
%1</translation>
    </message>
    <message>
        <source>The damaged diary file could not be set aside:
%1</source>
        <translation>Не удалось отложить повреждённый файл дневника:
%1</translation>
    </message>
</context>
<context>
    <name>StatusCheck</name>
    <message>
        <source>Some exercises in &apos;%1&apos; workout are marked as &apos;%2&apos;, but workout itself is marked as &apos;%3&apos;.
Do you want to mark workout as &apos;%4&apos;?</source>
        <translation>Некоторые упражнения тренировки «%1» отмечены как «%2», а сама тренировка — как «%3».
Отметить тренировку как «%4»?</translation>
    </message>
    <message>
        <source>All exercises in &apos;%1&apos; workout are marked as &apos;%2&apos;, but workout itself is marked as &apos;%3&apos;.
Do you want to mark workout as &apos;%4&apos;?</source>
        <translation>Все упражнения тренировки «%1» отмечены как «%2», а сама тренировка — как «%3».
Отметить тренировку как «%4»?</translation>
    </message>
</context>
<context>
    <name>WeightUnit</name>
    <message>
        <source>lb</source>
        <translation>фнт</translation>
    </message>
    <message>
        <source>kg</source>
        <translation>кг</translation>
    </message>
</context>
<context>
    <name>WindowDialogs</name>
    <message>
        <source>To add notes select day first.</source>
        <translation>Чтобы добавить заметки, сначала выберите день.</translation>
    </message>
    <message>
        <source>Do you want to apply the last edited program to selected range?</source>
        <translation>Применить последнюю редактированную программу к выбранному диапазону?</translation>
    </message>
</context>
<context>
    <name>WindowHistory</name>
    <message>
        <source>Mark </source>
        <translation>Отметка </translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Usage: repbook-cli [--diary FILE] COMMAND [options]

Works on the Repbook diary from scripts.

Commands:
</source>
        <translation>Использование: repbook-cli [--diary FILE] COMMAND [options]

Работает с дневником Repbook из скриптов.

Команды:
</translation>
    </message>
    <message>
        <source>
repbook-cli COMMAND --help describes a command&apos;s options. Exit codes: 0 done, 1 failed, 2 bad usage.
</source>
        <translation>
repbook-cli COMMAND --help описывает параметры команды. Коды выхода: 0 выполнено, 1 ошибка, 2 неверный вызов.
</translation>
    </message>
    <message>
        <source>--diary needs a FILE</source>
        <translation>--diary требует FILE</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot; before the command</source>
        <translation>неизвестный параметр «%1» перед командой</translation>
    </message>
    <message>
        <source>a command is missing after %1</source>
        <translation>после %1 нет команды</translation>
    </message>
    <message>
        <source> (see repbook-cli --help)</source>
        <translation> (см. repbook-cli --help)</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot; (see repbook-cli --help)</source>
        <translation>неизвестная команда «%1» (см. repbook-cli --help)</translation>
    </message>
</context>
</TS>
