<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
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
        <translation>Guarda agora uma cópia do diário na pasta Backups dele. Cópias mais antigas são removidas conforme a retenção do diário.</translation>
    </message>
    <message>
        <source>backup takes no file.</source>
        <translation>backup não aceita arquivo.</translation>
    </message>
    <message>
        <source>%1: no such file.</source>
        <translation>%1: arquivo não encontrado.</translation>
    </message>
    <message>
        <source>%1 fails its integrity check: no backup was made.</source>
        <translation>%1 falha na verificação de integridade: nenhum backup foi feito.</translation>
    </message>
    <message>
        <source>Replaces the diary by a backup. The diary as it is now is kept as a backup first.</source>
        <translation>Substitui o diário por um backup. O diário como está agora é guardado antes como backup.</translation>
    </message>
    <message>
        <source>The backup to restore (see the diary&apos;s Backups folder).</source>
        <translation>O backup a restaurar (veja a pasta Backups do diário).</translation>
    </message>
    <message>
        <source>restore takes exactly one backup file.</source>
        <translation>restore aceita exatamente um arquivo de backup.</translation>
    </message>
    <message>
        <source>The diary %1 cannot be read.</source>
        <translation>Não é possível ler o diário %1.</translation>
    </message>
    <message>
        <source>Restored %1 from %2.
</source>
        <translation>%1 restaurado de %2.
</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Repbook</source>
        <translation>Sobre o Repbook</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Suporte</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
    <message>
        <source>A personal workout diary, with Repminder, its workout notifier.</source>
        <translation>Um diário de treino pessoal, com o Repminder, seu lembrete de treinos.</translation>
    </message>
    <message>
        <source>Running on Qt %1.</source>
        <translation>Rodando no Qt %1.</translation>
    </message>
    <message>
        <source>Repbook keeps everything on this computer. To back up your diary or move it to another computer, copy these files.</source>
        <translation>O Repbook guarda tudo neste computador. Para fazer backup do diário ou levá-lo para outro computador, copie estes arquivos.</translation>
    </message>
    <message>
        <source>Diary:</source>
        <translation>Diário:</translation>
    </message>
    <message>
        <source>Name lists:</source>
        <translation>Listas de nomes:</translation>
    </message>
    <message>
        <source>Settings:</source>
        <translation>Configurações:</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Abrir pasta</translation>
    </message>
    <message>
        <source>The folder does not exist yet:
%1</source>
        <translation>A pasta ainda não existe:
%1</translation>
    </message>
    <message>
        <source>The folder could not be opened:
%1</source>
        <translation>Não foi possível abrir a pasta:
%1</translation>
    </message>
    <message>
        <source>Licensed under the GNU General Public License, version 3 or later.</source>
        <translation>Licenciado sob a GNU General Public License, versão 3 ou posterior.</translation>
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
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Apply program</source>
        <translation>Aplicar programa</translation>
    </message>
    <message>
        <source>Choose days</source>
        <translation>Escolher dias</translation>
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
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Day note</source>
        <translation>Nota do dia</translation>
    </message>
</context>
<context>
    <name>CConflictsDlg</name>
    <message>
        <source>No workouts.</source>
        <translation>Nenhum treino.</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Nota: %1</translation>
    </message>
    <message>
        <source>This diary&apos;s version</source>
        <translation>Versão deste diário</translation>
    </message>
    <message>
        <source>Other version</source>
        <translation>Outra versão</translation>
    </message>
    <message>
        <source>&amp;Take other version</source>
        <translation>&amp;Ficar com a outra versão</translation>
    </message>
    <message>
        <source>&amp;Dismiss other version...</source>
        <translation>&amp;Descartar a outra versão...</translation>
    </message>
    <message>
        <source>&amp;Show in calendar</source>
        <translation>&amp;Mostrar no calendário</translation>
    </message>
    <message>
        <source>Conflicts</source>
        <translation>Conflitos</translation>
    </message>
    <message>
        <source>Dates changed on both sides</source>
        <translation>Datas alteradas dos dois lados</translation>
    </message>
    <message>
        <source>D&amp;ates:</source>
        <translation>D&amp;atas:</translation>
    </message>
    <message>
        <source>In this diary (kept):</source>
        <translation>Neste diário (mantida):</translation>
    </message>
    <message>
        <source>Other version:</source>
        <translation>Outra versão:</translation>
    </message>
    <message>
        <source>Puts the other version into the diary; Undo brings this diary&apos;s back</source>
        <translation>Põe a outra versão no diário; Desfazer traz de volta a deste diário</translation>
    </message>
    <message>
        <source>Keeps this diary&apos;s version and removes the other one</source>
        <translation>Mantém a versão deste diário e remove a outra</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>the other version was kept on %1</source>
        <translation>a outra versão foi guardada em %1</translation>
    </message>
    <message>
        <source>the other version was kept</source>
        <translation>a outra versão foi guardada</translation>
    </message>
    <message>
        <source>No conflicts: no day was changed on both sides.</source>
        <translation>Sem conflitos: nenhum dia foi alterado dos dois lados.</translation>
    </message>
    <message>
        <source>One date was changed here and elsewhere (on another computer or in the notifier). The diary kept its version; take the other one if it is the one you want.</source>
        <translation>Uma data foi alterada aqui e em outro lugar (em outro computador ou no lembrete). O diário manteve a versão dele; fique com a outra se for a que você quer.</translation>
    </message>
    <message>
        <source>%1 dates were changed here and elsewhere (on another computer or in the notifier). The diary kept its version of each; take the other one where it is the one you want.</source>
        <translation>%1 datas foram alteradas aqui e em outro lugar (em outro computador ou no lembrete). O diário manteve a versão dele de cada uma; fique com a outra onde for a que você quer.</translation>
    </message>
    <message>
        <source>These conflict files are damaged and cannot be shown: %1</source>
        <translation>Estes arquivos de conflito estão danificados e não podem ser mostrados: %1</translation>
    </message>
    <message>
        <source>Dismiss the other version of %1?
The diary keeps its version; the other one is removed for good.</source>
        <translation>Descartar a outra versão de %1?
O diário mantém a versão dele; a outra é removida de vez.</translation>
    </message>
</context>
<context>
    <name>CConsistencyPage</name>
    <message>
        <source>Previous year</source>
        <translation>Ano anterior</translation>
    </message>
    <message>
        <source>Next year</source>
        <translation>Próximo ano</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>&amp;Ano:</translation>
    </message>
    <message>
        <source>Planned workouts done</source>
        <translation>Treinos planejados concluídos</translation>
    </message>
    <message>
        <source>Weeks in a row with a done workout: %1 now, %2 at most.</source>
        <translation>Semanas seguidas com um treino concluído: %1 agora, %2 no máximo.</translation>
    </message>
    <message>
        <source>No workout in %1. Plan workouts in the calendar and fill in the results: each day then shows here how it went.</source>
        <translation>Nenhum treino em %1. Planeje treinos no calendário e registre os resultados: então cada dia mostra aqui como foi.</translation>
    </message>
    <message>
        <source>%1 of %2 planned workouts done</source>
        <translation>%1 de %2 treinos planejados concluídos</translation>
    </message>
</context>
<context>
    <name>CDayDlg</name>
    <message>
        <source>Workout planning</source>
        <translation>Planejamento do treino</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Adicionar</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Remover</translation>
    </message>
</context>
<context>
    <name>CDayPrinter</name>
    <message>
        <source>There is nothing to print: no training day is selected.</source>
        <translation>Não há nada para imprimir: nenhum dia de treino está selecionado.</translation>
    </message>
    <message>
        <source>The training log could not be printed. Check the printer or the file name and try again.</source>
        <translation>Não foi possível imprimir o diário de treino. Verifique a impressora ou o nome do arquivo e tente de novo.</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>Visualizar impressão</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Training log</source>
        <translation>Diário de treino</translation>
    </message>
</context>
<context>
    <name>CDayTabCtrl</name>
    <message>
        <source>Workouts</source>
        <translation>Treinos</translation>
    </message>
    <message>
        <source>Exercises</source>
        <translation>Exercícios</translation>
    </message>
    <message>
        <source>Mark exercise(s) as &apos;%1&apos;</source>
        <translation>Marcar exercício(s) como &quot;%1&quot;</translation>
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
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Display range</source>
        <translation>Período exibido</translation>
    </message>
    <message>
        <source>Start date:</source>
        <translation>Data inicial:</translation>
    </message>
    <message>
        <source>End date:</source>
        <translation>Data final:</translation>
    </message>
    <message>
        <source>Total days:</source>
        <translation>Total de dias:</translation>
    </message>
</context>
<context>
    <name>CEditorDlg</name>
    <message>
        <source>Workout programs editor</source>
        <translation>Editor de programas de treino</translation>
    </message>
    <message>
        <source>You need to fill the current day first.</source>
        <translation>Preencha o dia atual primeiro.</translation>
    </message>
</context>
<context>
    <name>CEmptyDlg</name>
    <message>
        <source>You must not see this.</source>
        <translation>Você não deveria ver isto.</translation>
    </message>
    <message>
        <source>This is an empty training program. To open existing training program double click on this window.</source>
        <translation>Este é um programa de treino vazio. Para abrir um programa existente, clique duas vezes nesta janela.</translation>
    </message>
    <message>
        <source>There are no workouts dated to this day. To add new workout double click on this window.</source>
        <translation>Não há treinos neste dia. Para adicionar um treino, clique duas vezes nesta janela.</translation>
    </message>
    <message>
        <source>There are no exercises planned on this workout. To add new exercise double click on this window.</source>
        <translation>Não há exercícios planejados neste treino. Para adicionar um exercício, clique duas vezes nesta janela.</translation>
    </message>
    <message>
        <source>No workouts can be dated to this day. Change the display range.</source>
        <translation>Nenhum treino pode ser marcado para este dia. Altere o período exibido.</translation>
    </message>
</context>
<context>
    <name>CExerciseDlg</name>
    <message>
        <source>Add exercise</source>
        <translation>Adicionar exercício</translation>
    </message>
</context>
<context>
    <name>CExercisePage</name>
    <message>
        <source>No exercise is marked Done yet.

Open a day in the diary, fill in what you lifted and mark the exercises Done
(entering a weight does that): their progress and records appear here.</source>
        <translation>Nenhum exercício foi marcado como feito ainda.

Abra um dia no diário, registre o que você levantou e marque os exercícios como feitos
(digitar uma carga já faz isso): o progresso e os recordes aparecem aqui.</translation>
    </message>
    <message>
        <source>Filter exercises</source>
        <translation>Filtrar exercícios</translation>
    </message>
    <message>
        <source>Exercises</source>
        <translation>Exercícios</translation>
    </message>
    <message>
        <source>Exercise</source>
        <translation>Exercício</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Dias</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Último</translation>
    </message>
    <message>
        <source>Count &amp;failed exercises</source>
        <translation>Contar exercícios que &amp;falharam</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Gráfico</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Recordes</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Mostrar:</translation>
    </message>
    <message>
        <source>Save &amp;image...</source>
        <translation>Salvar &amp;imagem...</translation>
    </message>
    <message>
        <source>Choose an exercise on the left</source>
        <translation>Escolha um exercício à esquerda</translation>
    </message>
    <message>
        <source>Choose an exercise to see its progress</source>
        <translation>Escolha um exercício para ver o progresso</translation>
    </message>
    <message>
        <source>No training day of %1 in this range</source>
        <translation>Nenhum dia de treino de %1 neste período</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>Save chart image</source>
        <translation>Salvar imagem do gráfico</translation>
    </message>
    <message>
        <source>The chart could not be saved as %1.</source>
        <translation>Não foi possível salvar o gráfico como %1.</translation>
    </message>
</context>
<context>
    <name>CFPSMiniCalendarCtrl</name>
    <message>
        <source>marked dates</source>
        <translation>datas marcadas</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Mês anterior</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Próximo mês</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Ano</translation>
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
        <translation>Localizar</translation>
    </message>
    <message>
        <source>Fi&amp;nd:</source>
        <translation>Locali&amp;zar:</translation>
    </message>
    <message>
        <source>Workout, exercise or note</source>
        <translation>Treino, exercício ou nota</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Type to find workouts, exercises and notes.</source>
        <translation>Digite para encontrar treinos, exercícios e notas.</translation>
    </message>
    <message>
        <source>No match.</source>
        <translation>Nenhum resultado.</translation>
    </message>
    <message>
        <source>1 match.</source>
        <translation>1 resultado.</translation>
    </message>
    <message>
        <source>%1 matches.</source>
        <translation>%1 resultados.</translation>
    </message>
</context>
<context>
    <name>CImportPreviewDlg</name>
    <message>
        <source>Import Preview</source>
        <translation>Prévia da importação</translation>
    </message>
    <message>
        <source>Everything in this file is already in the diary: nothing to add.</source>
        <translation>Tudo neste arquivo já está no diário: nada a adicionar.</translation>
    </message>
    <message>
        <source>Adds %1 with %2 on %3 (%4 new).</source>
        <translation>Adiciona %1 com %2 em %3 (%4 novos).</translation>
    </message>
    <message>
        <source>The file gives weights in pounds: they are stored in kilograms and shown in pounds.</source>
        <translation>O arquivo dá as cargas em libras: elas são guardadas em quilos e mostradas em libras.</translation>
    </message>
    <message>
        <source>The file gives weights in pounds: they are stored in kilograms, the file&apos;s pounds shown beside them.</source>
        <translation>O arquivo dá as cargas em libras: elas são guardadas em quilos, com as libras do arquivo ao lado.</translation>
    </message>
    <message>
        <source>The file gives weights in kilograms: they are stored as they are and shown in pounds.</source>
        <translation>O arquivo dá as cargas em quilos: elas são guardadas como estão e mostradas em libras.</translation>
    </message>
    <message>
        <source>Weights are in kilograms, as in the file.</source>
        <translation>As cargas estão em quilos, como no arquivo.</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt; (%2)&lt;br&gt;%3&lt;br&gt;Already in the diary, left out: %4. Rows skipped: %5.&lt;br&gt;%6</source>
        <translation>&lt;b&gt;%1&lt;/b&gt; (%2)&lt;br&gt;%3&lt;br&gt;Já no diário, deixados de fora: %4. Linhas ignoradas: %5.&lt;br&gt;%6</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Workouts added</source>
        <translation>Treinos
adicionados</translation>
    </message>
    <message>
        <source>Exercises added</source>
        <translation>Exercícios
adicionados</translation>
    </message>
    <message>
        <source>Already there</source>
        <translation>Já existentes</translation>
    </message>
    <message>
        <source>Workouts: sets × reps × weight</source>
        <translation>Treinos: séries × repetições × carga</translation>
    </message>
    <message>
        <source>  (new day)</source>
        <translation>  (dia novo)</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(sem nome)</translation>
    </message>
    <message>
        <source>Per date</source>
        <translation>Por data</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Linha</translation>
    </message>
    <message>
        <source>Skipped because</source>
        <translation>Ignorada porque</translation>
    </message>
    <message>
        <source>Rows that cannot be stored</source>
        <translation>Linhas que não podem ser guardadas</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importar</translation>
    </message>
    <message>
        <source>Per date:</source>
        <translation>Por data:</translation>
    </message>
    <message>
        <source>Rows of the file that cannot be stored:</source>
        <translation>Linhas do arquivo que não podem ser guardadas:</translation>
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
        <translation>Cancelar</translation>
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
        <translation>Nomes de exercícios que não estão no diário (marque para registrar um com o nome do diário ao lado; nomes desmarcados viram exercícios novos):</translation>
    </message>
    <message>
        <source>Record &quot;%1&quot; under the diary&apos;s name beside it</source>
        <translation>Registrar &quot;%1&quot; com o nome do diário ao lado</translation>
    </message>
    <message>
        <source>diary name</source>
        <translation>nome no diário</translation>
    </message>
    <message>
        <source>Diary name for %1</source>
        <translation>Nome no diário para %1</translation>
    </message>
</context>
<context>
    <name>CNotifierWindow</name>
    <message>
        <source>No reminder at the moment</source>
        <translation>Nenhum lembrete no momento</translation>
    </message>
    <message>
        <source>This desktop has no notification area, so the workout notifier shows this window. It comes to the front when there is something to remind you of.</source>
        <translation>Esta área de trabalho não tem área de notificação, por isso o lembrete de treinos mostra esta janela. Ela vem para a frente quando há algo para lembrar.</translation>
    </message>
    <message>
        <source>Repminder - workout notifier</source>
        <translation>Repminder - lembrete de treinos</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>O&amp;ptions</source>
        <translation>O&amp;pções</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Click &quot;Open&quot; to see the reminder.</source>
        <translation>Clique em &quot;Abrir&quot; para ver o lembrete.</translation>
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
        <translation>Perguntar pelos resultados do treino às</translation>
    </message>
    <message>
        <source>Workout remind</source>
        <translation>Lembrete de treino</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Mover</translation>
    </message>
    <message>
        <source>Open Diary</source>
        <translation>Abrir diário</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Cancel workout</source>
        <translation>Cancelar treino</translation>
    </message>
    <message>
        <source>Remind me later</source>
        <translation>Lembrar mais tarde</translation>
    </message>
    <message>
        <source>Time to ask about workout results</source>
        <translation>Hora de perguntar pelos resultados do treino</translation>
    </message>
    <message>
        <source>Please fill in information about your workout results</source>
        <translation>Preencha os resultados do seu treino</translation>
    </message>
    <message>
        <source>Fill in</source>
        <translation>Preencher</translation>
    </message>
    <message>
        <source>You have a workout today</source>
        <translation>Você tem treino hoje</translation>
    </message>
    <message>
        <source>The diary database could not be read or is damaged:
%1
Open the diary to check it.</source>
        <translation>Não foi possível ler o banco de dados do diário, ou ele está danificado:
%1
Abra o diário para verificá-lo.</translation>
    </message>
    <message>
        <source>There is no workout for today in the diary.</source>
        <translation>Não há treino para hoje no diário.</translation>
    </message>
    <message>
        <source>The workout could not be saved to the diary database.
%1
Try again?</source>
        <translation>Não foi possível salvar o treino no banco de dados do diário.
%1
Tentar de novo?</translation>
    </message>
    <message>
        <source>There is no workout for today to print.</source>
        <translation>Não há treino de hoje para imprimir.</translation>
    </message>
    <message>
        <source>The diary changed this day while you were editing it. The diary&apos;s version was kept; your entries were saved in:
%1
In the diary, Edit &gt; Conflicts shows them beside its version and lets you take them instead.</source>
        <translation>O diário mudou este dia enquanto você o editava. A versão do diário foi mantida; seus registros foram salvos em:
%1
No diário, Editar &gt; Conflitos mostra-os ao lado da versão dele e permite ficar com eles.</translation>
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
        <translation>Bandeiras</translation>
    </message>
    <message>
        <source>Make a delay while program applying</source>
        <translation>Fazer uma pausa ao aplicar um programa</translation>
    </message>
    <message>
        <source>&amp;Kilograms (kg)</source>
        <translation>&amp;Quilos (kg)</translation>
    </message>
    <message>
        <source>&amp;Pounds (lb)</source>
        <translation>&amp;Libras (lb)</translation>
    </message>
    <message>
        <source>Status images</source>
        <translation>Imagens de status</translation>
    </message>
    <message>
        <source>Program applying</source>
        <translation>Aplicação de programa</translation>
    </message>
    <message>
        <source>Weight unit</source>
        <translation>Unidade de peso</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Aparência</translation>
    </message>
    <message>
        <source>S&amp;ystem (as the desktop)</source>
        <translation>S&amp;istema (como a área de trabalho)</translation>
    </message>
    <message>
        <source>&amp;Light</source>
        <translation>C&amp;lara</translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <translation>&amp;Escura</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>La&amp;nguage:</source>
        <translation>Idio&amp;ma:</translation>
    </message>
    <message>
        <source>A new language takes effect the next time Repbook starts.</source>
        <translation>Um novo idioma vale a partir da próxima vez que o Repbook for iniciado.</translation>
    </message>
</context>
<context>
    <name>COptionsDlg</name>
    <message>
        <source>&amp;Launch at logon</source>
        <translation>&amp;Iniciar ao entrar na sessão</translation>
    </message>
    <message>
        <source>Show notification &amp;icon in taskbar</source>
        <translation>Mostrar &amp;ícone na área de notificação</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Notify</source>
        <translation>Lembrar</translation>
    </message>
    <message>
        <source>&amp;Never</source>
        <translation>&amp;Nunca</translation>
    </message>
    <message>
        <source>On &amp;startup only</source>
        <translation>Só ao &amp;iniciar</translation>
    </message>
    <message>
        <source>&amp;Every</source>
        <translation>&amp;A cada</translation>
    </message>
    <message>
        <source>Minutes between reminders</source>
        <translation>Minutos entre lembretes</translation>
    </message>
    <message>
        <source>Misc</source>
        <translation>Diversos</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Please enter the number of minutes between reminders, from 1 to %1.</source>
        <translation>Digite o número de minutos entre lembretes, de 1 a %1.</translation>
    </message>
    <message>
        <source>The logon entry could not be written:
%1</source>
        <translation>Não foi possível gravar a entrada de início de sessão:
%1</translation>
    </message>
    <message>
        <source>The logon entry could not be removed:
%1</source>
        <translation>Não foi possível remover a entrada de início de sessão:
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
        <translation>&amp;Alterar...</translation>
    </message>
    <message>
        <source>Diary folder</source>
        <translation>Pasta do diário</translation>
    </message>
    <message>
        <source>The diary and the lists of exercise and workout names are kept here. To use one diary on several computers, choose a folder that a sync program (Syncthing, Nextcloud, Dropbox) shares between them. Backups stay on this computer.</source>
        <translation>O diário e as listas de nomes de exercícios e treinos ficam aqui. Para usar um diário em vários computadores, escolha uma pasta que um programa de sincronização (Syncthing, Nextcloud, Dropbox) compartilhe entre eles. Os backups ficam neste computador.</translation>
    </message>
    <message>
        <source>The folder is set by REPBOOK_HOME or by the portable installation.</source>
        <translation>A pasta é definida por REPBOOK_HOME ou pela instalação portátil.</translation>
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
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source>Diary folder</source>
        <translation>Pasta do diário</translation>
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
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Access denied</source>
        <translation>Acesso negado</translation>
    </message>
    <message>
        <source>Enter password:</source>
        <translation>Digite a senha:</translation>
    </message>
    <message>
        <source>Password incorrect.</source>
        <translation>Senha incorreta.</translation>
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
        <translation>Progresso</translation>
    </message>
    <message>
        <source>&amp;Exercises</source>
        <translation>&amp;Exercícios</translation>
    </message>
    <message>
        <source>&amp;Consistency</source>
        <translation>&amp;Constância</translation>
    </message>
</context>
<context>
    <name>CRepbookApp</name>
    <message>
        <source>Warning! Program database is corrupted.
Do you want to create new database? All your information will be lost. To recover it contact developers.</source>
        <translation>Atenção! O banco de dados do programa está corrompido.
Deseja criar um banco de dados novo? Todas as suas informações serão perdidas. Para recuperá-las, contate os desenvolvedores.</translation>
    </message>
    <message>
        <source>Warning! Program database is corrupted.
Do you want to create new database? The damaged file will be kept beside the new one. To recover it contact developers.</source>
        <translation>Atenção! O banco de dados do programa está corrompido.
Deseja criar um banco de dados novo? O arquivo danificado será mantido ao lado do novo. Para recuperá-lo, contate os desenvolvedores.</translation>
    </message>
    <message>
        <source>Warning! Program database is corrupted.
The newest sound backup is %1.

Restore that backup, create a new, empty database, or quit?</source>
        <translation>Atenção! O banco de dados do programa está corrompido.
O backup íntegro mais recente é %1.

Restaurar esse backup, criar um banco de dados novo e vazio ou sair?</translation>
    </message>
    <message>
        <source> The damaged file will be kept beside the diary.</source>
        <translation> O arquivo danificado será mantido ao lado do diário.</translation>
    </message>
    <message>
        <source>Application is already running</source>
        <translation>O aplicativo já está em execução</translation>
    </message>
    <message>
        <source>&amp;Restore backup</source>
        <translation>&amp;Restaurar backup</translation>
    </message>
    <message>
        <source>&amp;New database</source>
        <translation>&amp;Novo banco de dados</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Application is closing.</source>
        <translation>O aplicativo está fechando.</translation>
    </message>
    <message>
        <source>The backup could not be restored to:
%1
Application is closing.</source>
        <translation>Não foi possível restaurar o backup em:
%1
O aplicativo está fechando.</translation>
    </message>
    <message>
        <source>The damaged database could not be set aside:
%1
It was left unchanged. Application is closing.</source>
        <translation>Não foi possível pôr de lado o banco de dados danificado:
%1
Ele ficou inalterado. O aplicativo está fechando.</translation>
    </message>
    <message>
        <source>The damaged database was kept as:
%1</source>
        <translation>O banco de dados danificado foi mantido como:
%1</translation>
    </message>
    <message>
        <source>A new database could not be created:
%1
The diary opens empty and cannot be saved.</source>
        <translation>Não foi possível criar um banco de dados novo:
%1
O diário abre vazio e não pode ser salvo.</translation>
    </message>
</context>
<context>
    <name>CRepbookDlg</name>
    <message>
        <source>Training calendar</source>
        <translation>Calendário de treinos</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remoção</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importação</translation>
    </message>
    <message>
        <source>Add workout</source>
        <translation>Adição de treino</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edição</translation>
    </message>
    <message>
        <source>Do you want to exit application?</source>
        <translation>Deseja sair do aplicativo?</translation>
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
        <translation>Restaurar de backup</translation>
    </message>
    <message>
        <source>Made</source>
        <translation>Criado</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Dias</translation>
    </message>
    <message>
        <source>Last day</source>
        <translation>Último dia</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Backups</translation>
    </message>
    <message>
        <source>Days in this backup</source>
        <translation>Dias neste backup</translation>
    </message>
    <message>
        <source>There are no backups yet. The diary makes one before its first save of each day.</source>
        <translation>Ainda não há backups. O diário faz um antes do primeiro salvamento de cada dia.</translation>
    </message>
    <message>
        <source>&amp;Backups, newest first. Restoring one keeps the diary as it is now as a backup first.</source>
        <translation>&amp;Backups, o mais recente primeiro. Restaurar um guarda antes o diário atual como backup.</translation>
    </message>
    <message>
        <source>Choose a backup to see its days.</source>
        <translation>Escolha um backup para ver os dias dele.</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>danificado</translation>
    </message>
    <message>
        <source>This backup cannot be read or is damaged.</source>
        <translation>Este backup não pode ser lido ou está danificado.</translation>
    </message>
    <message>
        <source>&amp;Days in this backup (%1), read-only:</source>
        <translation>&amp;Dias neste backup (%1), somente leitura:</translation>
    </message>
</context>
<context>
    <name>CTrainingDlg</name>
    <message>
        <source>Add workout</source>
        <translation>Adicionar treino</translation>
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
        <translation>O&amp;pções</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Repminder - workout notifier</source>
        <translation>Repminder - lembrete de treinos</translation>
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
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>User data</source>
        <translation>Dados do usuário</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source>First name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Last name:</source>
        <translation>Sobrenome:</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Segurança</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Senha:</translation>
    </message>
    <message>
        <source>Confirmation:</source>
        <translation>Confirmação:</translation>
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
        <translation>Peito:</translation>
    </message>
    <message>
        <source>Biceps:</source>
        <translation>Bíceps:</translation>
    </message>
    <message>
        <source>Anthropometrics</source>
        <translation>Medidas corporais</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Pular</translation>
    </message>
    <message>
        <source>Password and confirmation fields does not match.</source>
        <translation>A senha e a confirmação não coincidem.</translation>
    </message>
    <message>
        <source>Please enter a whole number.</source>
        <translation>Digite um número inteiro.</translation>
    </message>
</context>
<context>
    <name>CYearGrid</name>
    <message>
        <source>Year %1</source>
        <translation>Ano %1</translation>
    </message>
    <message>
        <source>All workouts done</source>
        <translation>Todos os treinos feitos</translation>
    </message>
    <message>
        <source>Some workouts done</source>
        <translation>Alguns treinos feitos</translation>
    </message>
    <message>
        <source>Failed only</source>
        <translation>Só falhas</translation>
    </message>
    <message>
        <source>Planned but missed</source>
        <translation>Planejado mas perdido</translation>
    </message>
    <message>
        <source>Planned ahead</source>
        <translation>Planejado com antecedência</translation>
    </message>
    <message>
        <source>No workout</source>
        <translation>Sem treino</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Qua</translation>
    </message>
</context>
<context>
    <name>CalendarRange</name>
    <message>
        <source>%1 (today)</source>
        <translation>%1 (hoje)</translation>
    </message>
    <message>
        <source>Range - 1 month</source>
        <translation>Período - 1 mês</translation>
    </message>
    <message>
        <source>Range - 2 months</source>
        <translation>Período - 2 meses</translation>
    </message>
    <message>
        <source>Range - 3 months</source>
        <translation>Período - 3 meses</translation>
    </message>
    <message>
        <source>Range - 6 months</source>
        <translation>Período - 6 meses</translation>
    </message>
    <message>
        <source>Range - year</source>
        <translation>Período - ano</translation>
    </message>
    <message>
        <source>Set...</source>
        <translation>Definir...</translation>
    </message>
    <message>
        <source>1-st of %1</source>
        <extracomment>The first day of a month in a calendar cell; %1 is the month&apos;s name as in a date.</extracomment>
        <translation>1º de %1</translation>
    </message>
</context>
<context>
    <name>ChartRange</name>
    <message>
        <source>All time</source>
        <translation>Todo o período</translation>
    </message>
    <message>
        <source>Calendar range</source>
        <translation>Período do calendário</translation>
    </message>
    <message>
        <source>5 years</source>
        <translation>5 anos</translation>
    </message>
    <message>
        <source>1 year</source>
        <translation>1 ano</translation>
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
        <translation>%1 em %2</translation>
    </message>
    <message>
        <source>%1: no data</source>
        <translation>%1: sem dados</translation>
    </message>
    <message>
        <source>%1: first %2, latest %3, best %4</source>
        <translation>%1: primeiro %2, último %3, melhor %4</translation>
    </message>
</context>
<context>
    <name>CheckCommand</name>
    <message>
        <source>Runs the integrity check of a diary file and prints its day count and date range. Exit code 0: sound, 1: damaged or unreadable.</source>
        <translation>Verifica a integridade de um arquivo de diário e mostra o número de dias e o período de datas. Código de saída 0: íntegro, 1: danificado ou ilegível.</translation>
    </message>
    <message>
        <source>The diary file (default: --diary or the data folder&apos;s diary).</source>
        <translation>O arquivo do diário (padrão: --diary ou o diário da pasta de dados).</translation>
    </message>
    <message>
        <source>check takes one file at most.</source>
        <translation>check aceita no máximo um arquivo.</translation>
    </message>
    <message>
        <source>%1: no such file.</source>
        <translation>%1: arquivo não encontrado.</translation>
    </message>
    <message>
        <source>
The newest sound backup is %1:
%2
Restore it with: repbook-cli restore &quot;%2&quot;</source>
        <translation>
O backup íntegro mais recente é %1:
%2
Restaure-o com: repbook-cli restore &quot;%2&quot;</translation>
    </message>
    <message>
        <source>no dates</source>
        <translation>sem datas</translation>
    </message>
    <message>
        <source>Conflict copies left by a sync engine (repbook-cli merge merges them):
</source>
        <translation>Cópias de conflito deixadas por um programa de sincronização (repbook-cli merge as mescla):
</translation>
    </message>
    <message>
        <source> to </source>
        <translation> a </translation>
    </message>
    <message>
        <source>%1: sound, %2, %3
</source>
        <translation>%1: íntegro, %2, %3
</translation>
    </message>
</context>
<context>
    <name>Command</name>
    <message>
        <source>Work on the diary FILE instead of the one in the data folder.</source>
        <translation>Trabalhar no diário FILE em vez do da pasta de dados.</translation>
    </message>
    <message>
        <source>Only days on or after DATE (yyyy-MM-dd).</source>
        <translation>Só dias a partir de DATE (yyyy-MM-dd).</translation>
    </message>
    <message>
        <source>Only days on or before DATE (yyyy-MM-dd).</source>
        <translation>Só dias até DATE (yyyy-MM-dd).</translation>
    </message>
    <message>
        <source>Weights in kg or lb (default: the unit chosen in the diary&apos;s Options).</source>
        <translation>Cargas em kg ou lb (padrão: a unidade escolhida nas opções do diário).</translation>
    </message>
    <message>
        <source>%1 (see repbook-cli %2 --help)</source>
        <translation>%1 (veja repbook-cli %2 --help)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no date of the form yyyy-MM-dd.</source>
        <translation>&quot;%1&quot; não é uma data no formato yyyy-MM-dd.</translation>
    </message>
    <message>
        <source>--from %1 lies after --to %2.</source>
        <translation>--from %1 é depois de --to %2.</translation>
    </message>
    <message>
        <source>unknown unit &quot;%1&quot;; use kg or lb.</source>
        <translation>unidade desconhecida &quot;%1&quot;; use kg ou lb.</translation>
    </message>
    <message>
        <source>The diary %1 cannot be read.</source>
        <translation>Não é possível ler o diário %1.</translation>
    </message>
    <message>
        <source>The diary %1 is damaged: it fails its integrity check.</source>
        <translation>O diário %1 está danificado: falha na verificação de integridade.</translation>
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
        <translation>Outro computador alterou dias que também foram alterados aqui:
%1
O diário mantém a versão mostrada aqui. A versão do outro computador foi salva em:
%2
No diário, Editar &gt; Conflitos a mostra ao lado da do diário e permite usá-la no lugar.</translation>
    </message>
    <message>
        <source>A copy of the diary that the sync program left beside it is damaged and was not merged. It was kept as:
%1</source>
        <translation>Uma cópia do diário que o programa de sincronização deixou ao lado está danificada e não foi mesclada. Ela foi guardada como:
%1</translation>
    </message>
    <message>
        <source>Copies of the diary left by the sync program could not all be merged:
%1</source>
        <translation>Não foi possível mesclar todas as cópias do diário deixadas pelo programa de sincronização:
%1</translation>
    </message>
</context>
<context>
    <name>ConflictCopyMerge</name>
    <message>
        <source>%1 is damaged: it fails its integrity check.</source>
        <translation>%1 está danificado: não passa na verificação de integridade.</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>Não é possível ler %1.</translation>
    </message>
    <message>
        <source>The record of what this computer agreed on with the others could not be written:
%1</source>
        <translation>Não foi possível gravar o registro do que este computador combinou com os outros:
%1</translation>
    </message>
    <message>
        <source>The diary&apos;s folder cannot be written:
%1</source>
        <translation>Não é possível gravar na pasta do diário:
%1</translation>
    </message>
    <message>
        <source>The record of what this computer last agreed on with the others cannot be read:
%1</source>
        <translation>Não é possível ler o registro do último acordo deste computador com os outros:
%1</translation>
    </message>
</context>
<context>
    <name>ConflictNotice</name>
    <message>
        <source>Days that were changed in two places (on another computer, or here in the notifier) have their other version on record:
%1
Edit &gt; Conflicts shows it beside the diary&apos;s and lets you take it instead.</source>
        <translation>Os dias alterados em dois lugares (em outro computador, ou aqui no lembrete) têm a outra versão registrada:
%1
Editar &gt; Conflitos a mostra ao lado da do diário e permite usá-la no lugar.</translation>
    </message>
</context>
<context>
    <name>ConflictRecords</name>
    <message>
        <source>The other version of the day could not be removed from:
%1</source>
        <translation>Não foi possível remover a outra versão do dia de:
%1</translation>
    </message>
</context>
<context>
    <name>ConflictsWindow</name>
    <message>
        <source>The diary window is busy. Finish what it is doing, then take the other version.</source>
        <translation>A janela do diário está ocupada. Termine o que ela está fazendo e depois use a outra versão.</translation>
    </message>
    <message>
        <source>Take other version %1</source>
        <translation>Usar a outra versão %1</translation>
    </message>
</context>
<context>
    <name>CountText</name>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n dia</numerusform>
            <numerusform>%n dias</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n workout(s)</source>
        <translation>
            <numerusform>%n treino</numerusform>
            <numerusform>%n treinos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n exercise(s)</source>
        <translation>
            <numerusform>%n exercício</numerusform>
            <numerusform>%n exercícios</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n date(s)</source>
        <translation>
            <numerusform>%n data</numerusform>
            <numerusform>%n datas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n selected day(s)</source>
        <translation>
            <numerusform>%n dia selecionado</numerusform>
            <numerusform>%n dias selecionados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n new day(s)</source>
        <translation>
            <numerusform>%n dia novo</numerusform>
            <numerusform>%n dias novos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s)</source>
        <translation>
            <numerusform>%n linha</numerusform>
            <numerusform>%n linhas</numerusform>
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
        <translation>Memória insuficiente.</translation>
    </message>
    <message>
        <source>Line %1 holds binary data: this is not a text file.</source>
        <translation>A linha %1 contém dados binários: este não é um arquivo de texto.</translation>
    </message>
    <message>
        <source>Line %1 is not valid CSV: %2.</source>
        <translation>A linha %1 não é CSV válido: %2.</translation>
    </message>
    <message>
        <source>Line %1 opens a quoted field that is never closed.</source>
        <translation>A linha %1 abre um campo entre aspas que nunca é fechado.</translation>
    </message>
</context>
<context>
    <name>DateListText</name>
    <message>
        <source>and %1 more</source>
        <translation>e mais %1</translation>
    </message>
</context>
<context>
    <name>DayEditing</name>
    <message>
        <source>Select workout first.</source>
        <translation>Selecione um treino primeiro.</translation>
    </message>
    <message>
        <source>Rename workout</source>
        <translation>Renomear treino</translation>
    </message>
</context>
<context>
    <name>DayEditingPanel</name>
    <message>
        <source>Exercise...	Ins</source>
        <translation>Exercício...	Insert</translation>
    </message>
    <message>
        <source>Workout...</source>
        <translation>Treino...</translation>
    </message>
    <message>
        <source>Up	Ctrl + Up</source>
        <translation>Para cima	Ctrl + Up</translation>
    </message>
    <message>
        <source>Down	Ctrl + Down</source>
        <translation>Para baixo	Ctrl + Down</translation>
    </message>
    <message>
        <source>Left	Ctrl + Left</source>
        <translation>Esquerda	Ctrl + Left</translation>
    </message>
    <message>
        <source>Right	Ctrl + Right</source>
        <translation>Direita	Ctrl + Right</translation>
    </message>
    <message>
        <source>Rename workout...</source>
        <translation>Renomear treino...</translation>
    </message>
    <message>
        <source>Selected exercise(s)	Del</source>
        <translation>Exercício(s) selecionado(s)	Del</translation>
    </message>
    <message>
        <source>All exercises</source>
        <translation>Todos os exercícios</translation>
    </message>
    <message>
        <source>Workout</source>
        <translation>Treino</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Selecionar tudo</translation>
    </message>
    <message>
        <source>Mark workout as &apos;Done&apos;</source>
        <translation>Marcar treino como &quot;Feito&quot;</translation>
    </message>
    <message>
        <source>Mark workout as &apos;Failed&apos;</source>
        <translation>Marcar treino como &quot;Falhou&quot;</translation>
    </message>
    <message>
        <source>Mark workout as &apos;Not yet&apos;</source>
        <translation>Marcar treino como &quot;Ainda não&quot;</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>Move exercise(s)</source>
        <translation>Mover exercício(s)</translation>
    </message>
    <message>
        <source>Move workout</source>
        <translation>Mover treino</translation>
    </message>
    <message>
        <source>Add exercise</source>
        <translation>Adicionar exercício</translation>
    </message>
    <message>
        <source>Remove selected exercise(s)</source>
        <translation>Remover exercício(s) selecionado(s)</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Mover para a esquerda</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Mover para a direita</translation>
    </message>
    <message>
        <source>Workout status</source>
        <translation>Status do treino</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Mover para cima</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Mover para baixo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>Deseja mesmo remover os dias selecionados?</translation>
    </message>
    <message>
        <source>There are some trainings dated to this day.
If you want to swap days press &apos;Yes&apos;.
If you want to merge training days press &apos;No&apos;.
Press &apos;Cancel&apos; to do nothing.</source>
        <translation>Já há treinos marcados para este dia.
Para trocar os dias, pressione &quot;Sim&quot;.
Para juntar os dias de treino, pressione &quot;Não&quot;.
Pressione &quot;Cancelar&quot; para não fazer nada.</translation>
    </message>
    <message>
        <source>You have selected an empty day.
If you want to move trainings here press &apos;Yes&apos;.
If you want to make a copy of this day press &apos;No&apos;.
Press &apos;Cancel&apos; to do nothing.</source>
        <translation>Você selecionou um dia vazio.
Para mover os treinos para cá, pressione &quot;Sim&quot;.
Para fazer uma cópia deste dia, pressione &quot;Não&quot;.
Pressione &quot;Cancelar&quot; para não fazer nada.</translation>
    </message>
    <message>
        <source>Error! Training could not be dated to this day.</source>
        <translation>Erro! Não foi possível marcar o treino para este dia.</translation>
    </message>
    <message>
        <source>Choose the target day.</source>
        <translation>Escolha o dia de destino.</translation>
    </message>
    <message>
        <source>Select the day first.</source>
        <translation>Selecione o dia primeiro.</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>Trocar</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Juntar</translation>
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
        <translation>Nota do dia</translation>
    </message>
    <message>
        <source>No note</source>
        <translation>Sem nota</translation>
    </message>
    <message>
        <source>Workout area</source>
        <translation>Área do treino</translation>
    </message>
    <message>
        <source>To add notes to selected day press &quot;Notes&quot; button.</source>
        <translation>Para adicionar notas ao dia selecionado, clique no botão &quot;Notas&quot;.</translation>
    </message>
</context>
<context>
    <name>DayPrintDocument</name>
    <message>
        <source>Exercise</source>
        <translation>Exercício</translation>
    </message>
    <message>
        <source>Sets</source>
        <translation>Séries</translation>
    </message>
    <message>
        <source>Reps</source>
        <translation>Reps</translation>
    </message>
    <message>
        <source>Forced</source>
        <translation>Forçadas</translation>
    </message>
    <message>
        <source>Negative</source>
        <translation>Negativas</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Carga</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>No exercises.</source>
        <translation>Nenhum exercício.</translation>
    </message>
    <message>
        <source>No workouts.</source>
        <translation>Nenhum treino.</translation>
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
        <translation> (continuação)</translation>
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
        <translation>Não foi possível ler o arquivo do diário para um backup:
%1</translation>
    </message>
    <message>
        <source>A backup of the diary could not be written in:
%1</source>
        <translation>Não foi possível gravar um backup do diário em:
%1</translation>
    </message>
    <message>
        <source>the backup of %1 with 1 day</source>
        <translation>o backup de %1 com 1 dia</translation>
    </message>
    <message>
        <source>the backup of %1 with %2 days</source>
        <translation>o backup de %1 com %2 dias</translation>
    </message>
    <message>
        <source>The backup cannot be read or is damaged:
%1</source>
        <translation>Não é possível ler o backup, ou ele está danificado:
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
        <translation>%1 não é um número inteiro</translation>
    </message>
    <message>
        <source>unreadable date &quot;%1&quot;</source>
        <translation>data ilegível &quot;%1&quot;</translation>
    </message>
    <message>
        <source>positions of workout and exercise must count from 1</source>
        <translation>as posições de treino e exercício devem contar a partir de 1</translation>
    </message>
    <message>
        <source>unknown workout status &quot;%1&quot;</source>
        <translation>status de treino desconhecido &quot;%1&quot;</translation>
    </message>
    <message>
        <source>unknown exercise status &quot;%1&quot;</source>
        <translation>status de exercício desconhecido &quot;%1&quot;</translation>
    </message>
    <message>
        <source>unreadable weight &quot;%1&quot;</source>
        <translation>peso ilegível &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Line %1: the header lacks the column &quot;%2&quot;.</source>
        <translation>Linha %1: falta a coluna &quot;%2&quot; no cabeçalho.</translation>
    </message>
</context>
<context>
    <name>DiaryExchange</name>
    <message>
        <source>Export only the %1?

Yes: the selected days.
No: the whole diary (%2).</source>
        <translation>Exportar só %1?

Sim: os dias selecionados.
Não: o diário inteiro (%2).</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;JSON files (*.json);;All files (*)</source>
        <translation>Arquivos CSV (*.csv);;Arquivos JSON (*.json);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Training log exports: Repbook, Strong, Hevy, FitNotes, LiftLog (*.csv *.json);;All files (*)</source>
        <translation>Exportações de diários de treino: Repbook, Strong, Hevy, FitNotes, LiftLog (*.csv *.json);;Todos os arquivos (*)</translation>
    </message>
</context>
<context>
    <name>DiaryExport</name>
    <message>
        <source>It is a folder.</source>
        <translation>É uma pasta.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>A pasta %1 não existe.</translation>
    </message>
    <message>
        <source>The file is write-protected.</source>
        <translation>O arquivo está protegido contra gravação.</translation>
    </message>
    <message>
        <source>You may not create files in the folder %1.</source>
        <translation>Você não tem permissão para criar arquivos na pasta %1.</translation>
    </message>
    <message>
        <source>It is no ordinary file.</source>
        <translation>Não é um arquivo comum.</translation>
    </message>
    <message>
        <source>The folder %1 takes no new files.</source>
        <translation>A pasta %1 não aceita arquivos novos.</translation>
    </message>
    <message>
        <source>The export could not be written to:
%1
%2</source>
        <translation>Não foi possível gravar a exportação em:
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
        <translation>%1 já contém um diário, talvez de outro computador.

Sim: usar esse diário. O diário deste computador fica onde está, sem uso.
Não: juntar a ele o diário deste computador, dia a dia. Onde ambos têm um dia com outros registros, o dia daquele diário é mantido e o deste computador é salvo ao lado.
Cancelar: deixar o diário onde está.</translation>
    </message>
    <message>
        <source>Diary folder</source>
        <translation>Pasta do diário</translation>
    </message>
    <message>
        <source>
The diary stays where it is.</source>
        <translation>
O diário fica onde está.</translation>
    </message>
    <message>
        <source>The diary is now in:
%1

The files in %2 were left as they were; remove them once you no longer need them.</source>
        <translation>O diário agora está em:
%1

Os arquivos em %2 ficaram como estavam; remova-os quando não precisar mais deles.</translation>
    </message>
    <message>
        <source>

The ignore file .stignore could not be written there: keep *.lock files and the Backups folder out of the sync by hand.</source>
        <translation>

Não foi possível gravar ali o arquivo de exclusão .stignore: deixe os arquivos *.lock e a pasta Backups fora da sincronização manualmente.</translation>
    </message>
    <message>
        <source>

Days that both diaries hold with other entries kept the folder&apos;s version; this computer&apos;s were saved in:
%1
Edit &gt; Conflicts shows them beside the folder&apos;s and lets you take them instead.</source>
        <translation>

Os dias que os dois diários têm com outros registros mantiveram a versão da pasta; os deste computador foram salvos em:
%1
Editar &gt; Conflitos mostra-os ao lado dos da pasta e permite ficar com eles.</translation>
    </message>
</context>
<context>
    <name>DiaryFolderSwitch</name>
    <message>
        <source>%1 could not be copied to:
%2</source>
        <translation>Não foi possível copiar %1 para:
%2</translation>
    </message>
    <message>
        <source>The diary %1 cannot be read or is damaged.</source>
        <translation>Não é possível ler o diário %1, ou ele está danificado.</translation>
    </message>
</context>
<context>
    <name>DiaryHistory</name>
    <message>
        <source>&quot;%1 %2&quot; is not possible: another program (the notifier or the command-line tool) has changed %3 since. Doing it would throw that change away.</source>
        <translation>&quot;%1 %2&quot; não é possível: outro programa (o lembrete ou a ferramenta de linha de comando) alterou %3 desde então. Fazer isso descartaria essa alteração.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refazer</translation>
    </message>
</context>
<context>
    <name>DiaryImport</name>
    <message>
        <source>%1: %2 with %3 to add (%4)%5; %6 already in the diary; %7 skipped.</source>
        <translation>%1: %2 com %3 a adicionar (%4)%5; %6 já no diário; %7 ignoradas.</translation>
    </message>
    <message>
        <source>Added %1 with %2 (%3)%4.</source>
        <translation>Adicionados %1 com %2 (%3)%4.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>de %1 a %2</translation>
    </message>
    <message>
        <source>(no date)</source>
        <translation>(sem data)</translation>
    </message>
    <message>
        <source>%1  new day, %2, %3; %4 already there</source>
        <translation>%1  dia novo, %2, %3; %4 já existente(s)</translation>
    </message>
    <message>
        <source>%1  adds %2, %3; %4 already there</source>
        <translation>%1  adiciona %2, %3; %4 já existente(s)</translation>
    </message>
    <message>
        <source>line %1 skipped: %2</source>
        <translation>linha %1 ignorada: %2</translation>
    </message>
</context>
<context>
    <name>DiaryJson</name>
    <message>
        <source>a day must be an object</source>
        <translation>um dia deve ser um objeto</translation>
    </message>
    <message>
        <source>Day %1 of the file: %2.</source>
        <translation>Dia %1 do arquivo: %2.</translation>
    </message>
    <message>
        <source>unreadable date</source>
        <translation>data ilegível</translation>
    </message>
    <message>
        <source>unknown status &quot;%1&quot;</source>
        <translation>status desconhecido &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Line %1 is not valid JSON: %2.</source>
        <translation>A linha %1 não é JSON válido: %2.</translation>
    </message>
    <message>
        <source>Line 1: this JSON file is no Repbook diary export.</source>
        <translation>Linha 1: este arquivo JSON não é uma exportação de diário do Repbook.</translation>
    </message>
    <message>
        <source>Line 1: the file was written by a newer Repbook (version %1).</source>
        <translation>Linha 1: o arquivo foi gravado por um Repbook mais novo (versão %1).</translation>
    </message>
    <message>
        <source>Line 1: unknown weight unit &quot;%1&quot;.</source>
        <translation>Linha 1: unidade de peso desconhecida &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>DiarySaving</name>
    <message>
        <source>The diary file had been damaged outside the program. It was kept as:
%1
The diary was saved again from the days shown here.</source>
        <translation>O arquivo do diário foi danificado fora do programa. Ele foi mantido como:
%1
O diário foi salvo de novo a partir dos dias mostrados aqui.</translation>
    </message>
    <message>
        <source>
Your changes are kept while the program runs, and saving is tried again every minute.</source>
        <translation>
Suas alterações ficam guardadas enquanto o programa estiver aberto, e o salvamento é tentado de novo a cada minuto.</translation>
    </message>
    <message>
        <source>
The diary itself is saved as usual; the backup is tried again at the next save.</source>
        <translation>
O diário em si é salvo normalmente; o backup será tentado de novo no próximo salvamento.</translation>
    </message>
    <message>
        <source>Not saved: the days of %1.</source>
        <translation>Não salvos: os dias de %1.</translation>
    </message>
    <message>
        <source>%1
%2

Retry, exit without saving (Discard), or go back to the diary (Cancel)?</source>
        <translation>%1
%2

Tentar de novo, sair sem salvar (Descartar) ou voltar ao diário (Cancelar)?</translation>
    </message>
    <message>
        <source>Another program changed days that were also changed here:
%1
The diary keeps the version shown here. The other version was saved in:
%2
Edit &gt; Conflicts shows it beside the diary&apos;s and lets you take it instead.</source>
        <translation>Outro programa alterou dias que também foram alterados aqui:
%1
O diário mantém a versão mostrada aqui. A outra versão foi salva em:
%2
Editar &gt; Conflitos mostra-a ao lado da do diário e permite ficar com ela.</translation>
    </message>
</context>
<context>
    <name>EditorControls</name>
    <message>
        <source>New...	Ctrl + N</source>
        <translation>Novo...	Ctrl + N</translation>
    </message>
    <message>
        <source>Open...	Ctrl + O</source>
        <translation>Abrir...	Ctrl + O</translation>
    </message>
    <message>
        <source>Close	Ctrl + W</source>
        <translation>Fechar	Ctrl + W</translation>
    </message>
    <message>
        <source>Save	Ctrl + S</source>
        <translation>Salvar	Ctrl + S</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>Salvar como...</translation>
    </message>
    <message>
        <source>Exit	Ctrl + X</source>
        <translation>Sair	Ctrl + X</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Dia</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Acima</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Abaixo</translation>
    </message>
    <message>
        <source>Selected exercise(s)	Del</source>
        <translation>Exercício(s) selecionado(s)	Del</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Adicionar</translation>
    </message>
    <message>
        <source>Move day</source>
        <translation>Mover dia</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Remover</translation>
    </message>
    <message>
        <source>Workout...</source>
        <translation>Treino...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Remove selected exercise(s) or day(s)</source>
        <translation>Remover exercício(s) ou dia(s) selecionado(s)</translation>
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
        <translation>%1 fora de %2..%3</translation>
    </message>
    <message>
        <source>sets</source>
        <translation>séries</translation>
    </message>
    <message>
        <source>reps</source>
        <translation>repetições</translation>
    </message>
    <message>
        <source>forced reps</source>
        <translation>repetições forçadas</translation>
    </message>
    <message>
        <source>negative reps</source>
        <translation>repetições negativas</translation>
    </message>
    <message>
        <source>weight outside 0..%1 kg</source>
        <translation>peso fora de 0..%1 kg</translation>
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
        <translation>Exercício</translation>
    </message>
    <message>
        <source>Sets</source>
        <translation>Séries</translation>
    </message>
    <message>
        <source>Reps</source>
        <translation>Reps</translation>
    </message>
    <message>
        <source>Forced</source>
        <translation>Forçadas</translation>
    </message>
    <message>
        <source>Negative</source>
        <translation>Negativas</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Carga</translation>
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
        <translation>Carga máxima</translation>
    </message>
    <message>
        <source>Estimated 1RM</source>
        <translation>1RM estimado</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Most repetitions</source>
        <translation>Mais repetições</translation>
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
        <translation>csv (padrão) ou json.</translation>
    </message>
    <message>
        <source>Write to FILE instead of standard output.</source>
        <translation>Gravar em FILE em vez da saída padrão.</translation>
    </message>
    <message>
        <source>Writes the diary, or the days of a date range, as CSV or JSON.</source>
        <translation>Grava o diário, ou os dias de um período, como CSV ou JSON.</translation>
    </message>
    <message>
        <source>export takes no file argument; use --output.</source>
        <translation>export não aceita arquivo como argumento; use --output.</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot;.</source>
        <translation>formato desconhecido &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The export could not be written to standard output.</source>
        <translation>Não foi possível gravar a exportação na saída padrão.</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>Training program files (*.rpp);;All files (*)</source>
        <translation>Arquivos de programa de treino (*.rpp);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>PNG images (*.png);;All files (*)</source>
        <translation>Imagens PNG (*.png);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
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
        <translation>Mostra os treinos, exercícios e notas que contêm TEXT, os mais recentes primeiro. Maiúsculas e acentos não importam.</translation>
    </message>
    <message>
        <source>The text to find.</source>
        <translation>O texto a localizar.</translation>
    </message>
    <message>
        <source>find takes exactly one text (quote a text with spaces).</source>
        <translation>find aceita exatamente um texto (ponha entre aspas um texto com espaços).</translation>
    </message>
    <message>
        <source>find needs a text to look for.</source>
        <translation>find precisa de um texto para procurar.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not found.</source>
        <translation>&quot;%1&quot; não foi encontrado.</translation>
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
        <translation>Onde</translation>
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
        <translation>&quot;%1&quot; não é um exercício do diário; o mais próximo é &quot;%2&quot; (--map &quot;%1=%2&quot; os une).
</translation>
    </message>
    <message>
        <source>auto (default), csv, json, strong, hevy, fitnotes or liftlog.</source>
        <translation>auto (padrão), csv, json, strong, hevy, fitnotes ou liftlog.</translation>
    </message>
    <message>
        <source>Joins an exercise name of the file to one of the diary, as &quot;NAME IN THE FILE=DIARY NAME&quot; (repeatable; overrides a remembered choice for this run).</source>
        <translation>Une um nome de exercício do arquivo a um do diário, como &quot;NAME IN THE FILE=DIARY NAME&quot; (repetível; substitui uma escolha lembrada nesta execução).</translation>
    </message>
    <message>
        <source>Only print what would be added.</source>
        <translation>Só mostrar o que seria adicionado.</translation>
    </message>
    <message>
        <source>Also print a line for every date.</source>
        <translation>Mostrar também uma linha para cada data.</translation>
    </message>
    <message>
        <source>Adds the workouts of a Repbook CSV or JSON export, or of a CSV export of Strong, Hevy, FitNotes or LiftLog, to the diary. Workouts already in the diary are left out. Safe while Repbook or Repminder runs.</source>
        <translation>Adiciona ao diário os treinos de uma exportação CSV ou JSON do Repbook, ou de uma exportação CSV do Strong, Hevy, FitNotes ou LiftLog. Treinos que já estão no diário ficam de fora. Seguro enquanto o Repbook ou o Repminder estiverem rodando.</translation>
    </message>
    <message>
        <source>The file to import.</source>
        <translation>O arquivo a importar.</translation>
    </message>
    <message>
        <source>import takes exactly one file.</source>
        <translation>import aceita exatamente um arquivo.</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot;.</source>
        <translation>formato desconhecido &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--map &quot;%1&quot; is not &quot;NAME IN THE FILE=DIARY NAME&quot;.</source>
        <translation>--map &quot;%1&quot; não está no formato &quot;NAME IN THE FILE=DIARY NAME&quot;.</translation>
    </message>
    <message>
        <source>The diary %1 cannot be read.</source>
        <translation>Não é possível ler o diário %1.</translation>
    </message>
    <message>
        <source>Nothing to add.
</source>
        <translation>Nada a adicionar.
</translation>
    </message>
    <message>
        <source>Days changed meanwhile by another program were kept in %1.</source>
        <translation>Os dias alterados nesse meio-tempo por outro programa foram mantidos em %1.</translation>
    </message>
</context>
<context>
    <name>ImportNameMap</name>
    <message>
        <source>The choices of exercise names could not be saved in %1.</source>
        <translation>Não foi possível salvar as escolhas de nomes de exercícios em %1.</translation>
    </message>
</context>
<context>
    <name>ImportSource</name>
    <message>
        <source>Line 1: the file has no header.</source>
        <translation>Linha 1: o arquivo não tem cabeçalho.</translation>
    </message>
    <message>
        <source>Line 1: the file is empty.</source>
        <translation>Linha 1: o arquivo está vazio.</translation>
    </message>
    <message>
        <source>Line 1: the file is no export that Repbook can read (a Repbook CSV or JSON file, or a CSV export of Strong, Hevy, FitNotes or LiftLog).</source>
        <translation>Linha 1: o arquivo não é uma exportação que o Repbook consiga ler (um arquivo CSV ou JSON do Repbook, ou uma exportação CSV do Strong, Hevy, FitNotes ou LiftLog).</translation>
    </message>
    <message>
        <source>%1 is too large to import (%2 MB; at most %3 MB).</source>
        <translation>%1 é grande demais para importar (%2 MB; no máximo %3 MB).</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>Não é possível ler %1.</translation>
    </message>
    <message>
        <source>%1 cannot be imported.
%2</source>
        <translation>Não é possível importar %1.
%2</translation>
    </message>
</context>
<context>
    <name>LaunchDiary</name>
    <message>
        <source>The diary program could not be started:
%1</source>
        <translation>Não foi possível iniciar o programa do diário:
%1</translation>
    </message>
</context>
<context>
    <name>LiftLogExport</name>
    <message>
        <source>Line %1: the header is not that of a %2 file.</source>
        <translation>Linha %1: o cabeçalho não é o de um arquivo %2.</translation>
    </message>
    <message>
        <source>unreadable timestamp &quot;%1&quot;</source>
        <translation>data e hora ilegíveis &quot;%1&quot;</translation>
    </message>
    <message>
        <source>unreadable number</source>
        <translation>número ilegível</translation>
    </message>
    <message>
        <source>unknown unit &quot;%1&quot;</source>
        <translation>unidade desconhecida &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
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
        <translation>&amp;Visualizar impressão</translation>
    </message>
    <message>
        <source>&amp;Print	Ctrl + P</source>
        <translation>Im&amp;primir	Ctrl + P</translation>
    </message>
    <message>
        <source>Restore from &amp;backup...</source>
        <translation>Restaurar de &amp;backup...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl + Z</source>
        <translation>&amp;Desfazer	Ctrl + Z</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl + Y</source>
        <translation>&amp;Refazer	Ctrl + Y</translation>
    </message>
    <message>
        <source>View...	Return</source>
        <translation>Ver...	Enter</translation>
    </message>
    <message>
        <source>Notes...	Ctrl + N</source>
        <translation>Notas...	Ctrl + N</translation>
    </message>
    <message>
        <source>&amp;Add workout...	Ins</source>
        <translation>&amp;Adicionar treino...	Insert</translation>
    </message>
    <message>
        <source>&amp;Move selected</source>
        <translation>&amp;Mover selecionados</translation>
    </message>
    <message>
        <source>&amp;Remove selected	Del</source>
        <translation>&amp;Remover selecionados	Del</translation>
    </message>
    <message>
        <source>&amp;Find...	Ctrl + F</source>
        <translation>&amp;Localizar...	Ctrl + F</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>E&amp;xibir</translation>
    </message>
    <message>
        <source>Go to</source>
        <translation>Ir para</translation>
    </message>
    <message>
        <source>Today	Ctrl + Return</source>
        <translation>Hoje	Ctrl + Enter</translation>
    </message>
    <message>
        <source>First day	Ctrl + Home</source>
        <translation>Primeiro dia	Ctrl + Home</translation>
    </message>
    <message>
        <source>Previous day	Ctrl + Left</source>
        <translation>Dia anterior	Ctrl + Left</translation>
    </message>
    <message>
        <source>Next day	Ctrl + Right</source>
        <translation>Próximo dia	Ctrl + Right</translation>
    </message>
    <message>
        <source>Last day	Ctrl + End</source>
        <translation>Último dia	Ctrl + End</translation>
    </message>
    <message>
        <source>&amp;Refresh	F5</source>
        <translation>A&amp;tualizar	F5</translation>
    </message>
    <message>
        <source>Set range...</source>
        <translation>Definir período...</translation>
    </message>
    <message>
        <source>&amp;Selection to range	Ctrl + R</source>
        <translation>&amp;Seleção como período	Ctrl + R</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Ferramentas</translation>
    </message>
    <message>
        <source>&amp;Editor...	Ctrl + E</source>
        <translation>&amp;Editor...	Ctrl + E</translation>
    </message>
    <message>
        <source>Apply program...	Ctrl + Space</source>
        <translation>Aplicar programa...	Ctrl + Space</translation>
    </message>
    <message>
        <source>&amp;Progress...	Ctrl + G</source>
        <translation>&amp;Progresso...	Ctrl + G</translation>
    </message>
    <message>
        <source>User...</source>
        <translation>Usuário...</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Opções...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>&amp;About Repbook...</source>
        <translation>&amp;Sobre o Repbook...</translation>
    </message>
    <message>
        <source>&amp;Conflicts...</source>
        <translation>&amp;Conflitos...</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Mover</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Primeiro</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Próximo</translation>
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
        <translation>Só mostrar o que seria mesclado.</translation>
    </message>
    <message>
        <source>%1: already merged, %2</source>
        <translation>%1: já mesclado, %2</translation>
    </message>
    <message>
        <source>%1: damaged (fails its integrity check), not merged</source>
        <translation>%1: danificado (falha na verificação de integridade), não mesclado</translation>
    </message>
    <message>
        <source>%1: cannot be read, not merged</source>
        <translation>%1: não pode ser lido, não mesclado</translation>
    </message>
    <message>
        <source>; changed on both sides, the diary&apos;s days kept: %1</source>
        <translation>; alterados dos dois lados, dias do diário mantidos: %1</translation>
    </message>
    <message>
        <source>Merges the conflict copies that a sync engine (Syncthing, Nextcloud, Dropbox) left beside the diary and its name lists, by date, then removes them. A date changed on both sides keeps the diary&apos;s days; the copy&apos;s are kept in a conflict file beside the diary. Exit code 0: merged or nothing to merge, 1: a copy could not be merged (nothing is written then). Safe while Repbook or Repminder runs.</source>
        <translation>Mescla por data as cópias de conflito que um programa de sincronização (Syncthing, Nextcloud, Dropbox) deixou ao lado do diário e das listas de nomes dele, e depois as remove. Uma data alterada dos dois lados mantém os dias do diário; os da cópia ficam num arquivo de conflito ao lado do diário. Código de saída 0: mesclado ou nada a mesclar, 1: uma cópia não pôde ser mesclada (então nada é gravado). Seguro enquanto o Repbook ou o Repminder estiverem rodando.</translation>
    </message>
    <message>
        <source>merge takes no file; use --diary.</source>
        <translation>merge não aceita arquivo; use --diary.</translation>
    </message>
    <message>
        <source>Nothing to merge.
</source>
        <translation>Nada a mesclar.
</translation>
    </message>
    <message>
        <source>%1: names merged</source>
        <translation>%1: nomes mesclados</translation>
    </message>
    <message>
        <source>%1 names would be added to the name lists</source>
        <translation>%1 nomes seriam adicionados às listas de nomes</translation>
    </message>
    <message>
        <source>%1 names added to the name lists</source>
        <translation>%1 nomes adicionados às listas de nomes</translation>
    </message>
    <message>
        <source>The copies&apos; days of dates changed on both sides are kept in %1</source>
        <translation>Os dias das cópias em datas alteradas dos dois lados ficam em %1</translation>
    </message>
    <message>
        <source>
Nothing was merged.</source>
        <translation>
Nada foi mesclado.</translation>
    </message>
    <message>
        <source>%1: would take %2 dates</source>
        <translation>%1: pegaria %2 datas</translation>
    </message>
    <message>
        <source>%1: took %2 dates</source>
        <translation>%1: pegou %2 datas</translation>
    </message>
</context>
<context>
    <name>PeerExports</name>
    <message>
        <source>unreadable date &quot;%1&quot;</source>
        <translation>data ilegível &quot;%1&quot;</translation>
    </message>
    <message>
        <source>unreadable number</source>
        <translation>número ilegível</translation>
    </message>
    <message>
        <source>Line %1: the header is not that of a %2 file.</source>
        <translation>Linha %1: o cabeçalho não é o de um arquivo %2.</translation>
    </message>
</context>
<context>
    <name>PeriodPoints</name>
    <message>
        <source>One point per week: the sum of each week.</source>
        <translation>Um ponto por semana: a soma de cada semana.</translation>
    </message>
    <message>
        <source>One point per week: the best of each week.</source>
        <translation>Um ponto por semana: o melhor de cada semana.</translation>
    </message>
    <message>
        <source>One point per month: the sum of each month.</source>
        <translation>Um ponto por mês: a soma de cada mês.</translation>
    </message>
    <message>
        <source>One point per month: the best of each month.</source>
        <translation>Um ponto por mês: o melhor de cada mês.</translation>
    </message>
</context>
<context>
    <name>PrintedDay</name>
    <message>
        <source>Undated day</source>
        <translation>Dia sem data</translation>
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
        <translation>Dias do programa</translation>
    </message>
    <message>
        <source>Day %1</source>
        <translation>Dia %1</translation>
    </message>
</context>
<context>
    <name>ProgramFile</name>
    <message>
        <source>Save changes?</source>
        <translation>Salvar alterações?</translation>
    </message>
    <message>
        <source>Error! File is corrupted.</source>
        <translation>Erro! O arquivo está corrompido.</translation>
    </message>
    <message>
        <source>Error! The program could not be saved to
%1</source>
        <translation>Erro! Não foi possível salvar o programa em
%1</translation>
    </message>
</context>
<context>
    <name>ProgressStatus</name>
    <message>
        <source>Not yet</source>
        <translation>Ainda não</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Feito</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Falhou</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>none yet</source>
        <translation>nenhum ainda</translation>
    </message>
</context>
<context>
    <name>RangeControls</name>
    <message>
        <source>Range</source>
        <translation>Período</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendário</translation>
    </message>
    <message>
        <source>dates in the range</source>
        <translation>datas no período</translation>
    </message>
    <message>
        <source>Range of the calendar: %1 to %2</source>
        <translation>Período do calendário: %1 a %2</translation>
    </message>
</context>
<context>
    <name>RecordsCommand</name>
    <message>
        <source>Count Failed exercises as well as Done.</source>
        <translation>Contar exercícios que falharam como os feitos.</translation>
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
        <translation>Maior volume em um dia</translation>
    </message>
    <message>
        <source>Most reps, weight 0</source>
        <translation>Mais repetições, carga 0</translation>
    </message>
    <message>
        <source>Prints the personal records of an exercise, or of every performed exercise, most recently trained first.</source>
        <translation>Mostra os recordes pessoais de um exercício, ou de cada exercício feito, os treinados mais recentemente primeiro.</translation>
    </message>
    <message>
        <source>The exercise (case and surrounding spaces do not matter); all exercises when left out.</source>
        <translation>O exercício (maiúsculas e espaços em volta não importam); todos os exercícios se omitido.</translation>
    </message>
    <message>
        <source>records takes one exercise at most (quote a name with spaces).</source>
        <translation>records aceita no máximo um exercício (ponha entre aspas um nome com espaços).</translation>
    </message>
    <message>
        <source>No exercise is marked Done in the diary yet.</source>
        <translation>Nenhum exercício está marcado como feito no diário ainda.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was never done.</source>
        <translation>&quot;%1&quot; nunca foi feito.</translation>
    </message>
    <message>
        <source>Heaviest, %1 rep</source>
        <translation>Mais pesado, %1 rep</translation>
    </message>
    <message>
        <source>Heaviest, %1 reps</source>
        <translation>Mais pesado, %1 reps</translation>
    </message>
</context>
<context>
    <name>RecordsTable</name>
    <message>
        <source>Record</source>
        <translation>Recorde</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Melhor</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Heaviest, 1 rep</source>
        <translation>Mais pesado, 1 rep</translation>
    </message>
    <message>
        <source>Heaviest, %1 reps</source>
        <translation>Mais pesado, %1 reps</translation>
    </message>
    <message>
        <source>Estimated 1RM</source>
        <translation>1RM estimado</translation>
    </message>
    <message>
        <source>Highest day volume</source>
        <translation>Maior volume em um dia</translation>
    </message>
    <message>
        <source>Most reps, weight 0</source>
        <translation>Mais repetições, carga 0</translation>
    </message>
</context>
<context>
    <name>ReminderScheduler</name>
    <message>
        <source>You have a workout today</source>
        <translation>Você tem treino hoje</translation>
    </message>
    <message>
        <source>Get workout plan by clicking on this message.</source>
        <translation>Clique nesta mensagem para ver o plano de treino.</translation>
    </message>
    <message>
        <source>Fill in workout</source>
        <translation>Preencher treino</translation>
    </message>
    <message>
        <source>Click on this message to fill in your workout results.</source>
        <translation>Clique nesta mensagem para preencher os resultados do seu treino.</translation>
    </message>
</context>
<context>
    <name>RestoreFlow</name>
    <message>
        <source>Replace the diary by the backup %1?
The diary as it is now is kept as a backup first, and Undo brings it back.</source>
        <translation>Substituir o diário pelo backup %1?
O diário atual é guardado antes como backup, e Desfazer o traz de volta.</translation>
    </message>
    <message>
        <source>
Nothing was restored: the diary as it is now could not be kept first.</source>
        <translation>
Nada foi restaurado: não foi possível guardar antes o diário atual.</translation>
    </message>
    <message>
        <source>Restore backup</source>
        <translation>Restaurar backup</translation>
    </message>
    <message>
        <source>
The restored days are shown, and saving is tried again every minute.</source>
        <translation>
Os dias restaurados são mostrados, e o salvamento é tentado de novo a cada minuto.</translation>
    </message>
    <message>
        <source>The diary was restored from:
%1</source>
        <translation>O diário foi restaurado de:
%1</translation>
    </message>
    <message>
        <source>
The diary as it was is kept as:
%1</source>
        <translation>
O diário como estava foi guardado como:
%1</translation>
    </message>
    <message>
        <source>
Days another program had changed meanwhile are kept in:
%1</source>
        <translation>
Os dias alterados nesse meio-tempo por outro programa ficam em:
%1</translation>
    </message>
</context>
<context>
    <name>SetCollector</name>
    <message>
        <source>unreadable date</source>
        <translation>data ilegível</translation>
    </message>
    <message>
        <source>no exercise name</source>
        <translation>sem nome de exercício</translation>
    </message>
    <message>
        <source>time or distance only</source>
        <translation>só tempo ou distância</translation>
    </message>
    <message>
        <source>no weight and no reps</source>
        <translation>sem peso e sem repetições</translation>
    </message>
    <message>
        <source>weight %1 kg outside 0..%2 kg</source>
        <translation>peso %1 kg fora de 0..%2 kg</translation>
    </message>
</context>
<context>
    <name>SharedDiaryFile</name>
    <message>
        <source>The diary file cannot be read:
%1</source>
        <translation>Não é possível ler o arquivo do diário:
%1</translation>
    </message>
    <message>
        <source>Days changed on both sides could not be kept in:
%1</source>
        <translation>Não foi possível guardar os dias alterados dos dois lados em:
%1</translation>
    </message>
    <message>
        <source>The diary is not bound to a file.</source>
        <translation>O diário não está vinculado a um arquivo.</translation>
    </message>
    <message>
        <source>The diary file is being saved by another program:
%1</source>
        <translation>O arquivo do diário está sendo salvo por outro programa:
%1</translation>
    </message>
    <message>
        <source>The diary could not be saved to:
%1</source>
        <translation>Não foi possível salvar o diário em:
%1</translation>
    </message>
    <message>
        <source>The damaged diary file could not be set aside:
%1</source>
        <translation>Não foi possível pôr de lado o arquivo do diário danificado:
%1</translation>
    </message>
</context>
<context>
    <name>StatusCheck</name>
    <message>
        <source>Some exercises in &apos;%1&apos; workout are marked as &apos;%2&apos;, but workout itself is marked as &apos;%3&apos;.
Do you want to mark workout as &apos;%4&apos;?</source>
        <translation>Alguns exercícios do treino &quot;%1&quot; estão marcados como &quot;%2&quot;, mas o próprio treino está marcado como &quot;%3&quot;.
Deseja marcar o treino como &quot;%4&quot;?</translation>
    </message>
    <message>
        <source>All exercises in &apos;%1&apos; workout are marked as &apos;%2&apos;, but workout itself is marked as &apos;%3&apos;.
Do you want to mark workout as &apos;%4&apos;?</source>
        <translation>Todos os exercícios do treino &quot;%1&quot; estão marcados como &quot;%2&quot;, mas o próprio treino está marcado como &quot;%3&quot;.
Deseja marcar o treino como &quot;%4&quot;?</translation>
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
        <translation>Para adicionar notas, selecione um dia primeiro.</translation>
    </message>
    <message>
        <source>Do you want to apply the last edited program to selected range?</source>
        <translation>Deseja aplicar o último programa editado ao período selecionado?</translation>
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

Trabalha com o diário do Repbook a partir de scripts.

Comandos:
</translation>
    </message>
    <message>
        <source>
repbook-cli COMMAND --help describes a command&apos;s options. Exit codes: 0 done, 1 failed, 2 bad usage.
</source>
        <translation>
repbook-cli COMMAND --help descreve as opções de um comando. Códigos de saída: 0 feito, 1 falhou, 2 uso incorreto.
</translation>
    </message>
    <message>
        <source>--diary needs a FILE</source>
        <translation>--diary precisa de um FILE</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot; before the command</source>
        <translation>opção desconhecida &quot;%1&quot; antes do comando</translation>
    </message>
    <message>
        <source>a command is missing after %1</source>
        <translation>falta um comando depois de %1</translation>
    </message>
    <message>
        <source> (see repbook-cli --help)</source>
        <translation> (veja repbook-cli --help)</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot; (see repbook-cli --help)</source>
        <translation>comando desconhecido &quot;%1&quot; (veja repbook-cli --help)</translation>
    </message>
</context>
</TS>
