#pragma once

class QWidget;
class SettingsStore;
class SharedDiaryFile;

// Options > Diary folder > Change...: the user picks a folder (one a sync program shares between
// computers, say); the diary and the name lists are copied there and checked, or, when the folder
// already holds a diary, that one is used or this one is merged into it. Then the open diary
// moves there and the choice is stored for both programs and repbook-cli. The old files stay.
namespace DiaryFolderFlow {

// True when the diary moved: its days were read afresh from the new folder.
bool Choose(QWidget *parent, SharedDiaryFile &file, SettingsStore &settings);

} // namespace DiaryFolderFlow
