#pragma once

#include "widgets/CResizingDialog.h"

namespace DiaryImport {
struct Plan;
}

// Shows what an import will do before anything changes: the totals, per date the workouts and
// exercises it adds and those already in the diary, and the rows of the file that were skipped
// with their line and reason. "Import" accepts; Cancel leaves the diary alone.
class CImportPreviewDlg : public CResizingDialog
{
    Q_OBJECT

public:
    static constexpr int DialogId = 0x9A;

    CImportPreviewDlg(const DiaryImport::Plan &plan, const QString &fileName,
                      QWidget *parent = nullptr);

    // Adds a section of its own below the skipped rows, above the buttons; the dialog then
    // first opens taller.
    void AddSection(QWidget *section, int stretch = 1);
};
