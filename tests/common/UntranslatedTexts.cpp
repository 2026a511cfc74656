#include "common/UntranslatedTexts.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QRegularExpression>
#include <QTabBar>
#include <QTextDocument>
#include <QTranslator>
#include <QWidget>

namespace testsupport {

namespace {

QStringList DateWords()
{
    QStringList words {QStringLiteral("Repbook"), QStringLiteral("Repminder"),
                       QStringLiteral("repbook"), QStringLiteral("repminder")};
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    for (const auto format : {QLocale::LongFormat, QLocale::ShortFormat}) {
        for (int month = 1; month <= 12; ++month)
            words << english.monthName(month, format);
        for (int day = 1; day <= 7; ++day)
            words << english.dayName(day, format);
    }
    return words;
}

// The words of text outside the marks, paths and rich-text markup.
QStringList UnmarkedWords(QString text)
{
    if (Qt::mightBeRichText(text)) {
        QTextDocument document;
        document.setHtml(text);
        text = document.toPlainText();
    }
    // Marked texts nest where a translated text is put into another one.
    static const QRegularExpression marked(QStringLiteral("\u27e6[^\u27e6\u27e7]*\u27e7"));
    static const QRegularExpression path(QStringLiteral("\\S*[/\\\\]\\S*"));
    static const QRegularExpression word(QStringLiteral("\\p{L}{2,}"));
    for (qsizetype length = -1; length != text.size();) {
        length = text.size();
        text.remove(marked);
    }
    text.remove(path).remove(u'&');
    QStringList words;
    for (auto match = word.globalMatch(text); match.hasNext();)
        words << match.next().captured();
    return words;
}

// Every text a user sees on widget: its own, its actions' and its items' headings.
QStringList ShownTexts(const QWidget *widget)
{
    QStringList texts {widget->toolTip()};
    if (widget->isWindow())
        texts << widget->windowTitle();
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        texts << label->text();
    // A dialog's standard buttons speak Qt's own translation.
    const auto *buttons = qobject_cast<const QDialogButtonBox *>(widget->parentWidget());
    const auto *button = qobject_cast<const QAbstractButton *>(widget);
    if (button &&
        !(buttons &&
          buttons->standardButton(const_cast<QAbstractButton *>(button)) !=
              QDialogButtonBox::NoButton))
        texts << button->text();
    if (const auto *box = qobject_cast<const QGroupBox *>(widget))
        texts << box->title();
    if (const auto *edit = qobject_cast<const QLineEdit *>(widget))
        texts << edit->placeholderText();
    if (const auto *bar = qobject_cast<const QTabBar *>(widget)) {
        for (int i = 0; i < bar->count(); ++i)
            texts << bar->tabText(i) << bar->tabToolTip(i);
    }
    if (const auto *box = qobject_cast<const QComboBox *>(widget); box && !box->isEditable()) {
        for (int i = 0; i < box->count(); ++i)
            texts << box->itemText(i);
    }
    if (const auto *view = qobject_cast<const QAbstractItemView *>(widget); view && view->model()) {
        const QAbstractItemModel &model = *view->model();
        for (int c = 0; c < model.columnCount(); ++c)
            texts << model.headerData(c, Qt::Horizontal).toString();
    }
    for (const QAction *action : widget->actions()) {
        texts << action->text() << action->toolTip();
        if (action->menu())
            texts << ShownTexts(action->menu());
    }
    return texts;
}

} // namespace

bool LoadPseudoTranslation(QObject *owner)
{
    auto *translator = new QTranslator(owner);
    return translator->load(QStringLiteral(REPBOOK_PSEUDO_QM)) &&
        QCoreApplication::installTranslator(translator);
}

QStringList UnmarkedTexts(const QWidget *window, const QStringList &dataWords)
{
    const QStringList data = dataWords + DateWords();
    QList<const QWidget *> widgets {window};
    for (const QWidget *child : window->findChildren<QWidget *>()) {
        if (child->isVisibleTo(window) || qobject_cast<const QMenu *>(child))
            widgets << child;
    }
    QStringList found;
    for (const QWidget *widget : widgets) {
        for (const QString &text : ShownTexts(widget)) {
            const QStringList words = UnmarkedWords(text);
            if (std::any_of(words.cbegin(), words.cend(),
                            [&data](const QString &w) { return !data.contains(w); }))
                found << QStringLiteral("%1 %2: '%3'")
                             .arg(QLatin1String(widget->metaObject()->className()),
                                  widget->objectName(), text);
        }
    }
    found.removeDuplicates();
    return found;
}

} // namespace testsupport
