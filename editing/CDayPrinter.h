#pragma once

#include <QList>
#include <QString>

#include <functional>
#include <memory>

class QDialog;
class QPrinter;
class QWidget;
class TrainingDay;

// Prints training days as a log (printing/PrintDays) through the platform's dialogs: Print asks
// for the printer or PDF file in the print dialog, Preview shows the pages in the preview dialog,
// from which they can be printed too. The chosen printer and its settings are kept for the next
// print as long as this object lives.
class CDayPrinter
{
public:
    explicit CDayPrinter(QWidget *parent);
    ~CDayPrinter();
    CDayPrinter(const CDayPrinter &) = delete;
    CDayPrinter &operator=(const CDayPrinter &) = delete;

    // False when nothing was printed: no days (the user is told), the dialog was cancelled, or
    // printing failed (the user is told).
    bool Print(const QList<const TrainingDay *> &days);
    // False when there are no days to show (the user is told).
    bool Preview(const QList<const TrainingDay *> &days);

    QPrinter *Printer() const { return m_printer.get(); }

    static QString NothingToPrintMessage();
    static QString PrintFailedMessage();

    // Test hook: runs the print and preview dialogs instead of exec(); returns the dialog's result.
    using DialogRunner = std::function<int(QDialog &dialog)>;
    static void SetDialogRunner(DialogRunner runner);

private:
    bool HasDays(const QList<const TrainingDay *> &days) const;
    static int Run(QDialog &dialog);

    QWidget *m_parent;
    std::unique_ptr<QPrinter> m_printer;
};
