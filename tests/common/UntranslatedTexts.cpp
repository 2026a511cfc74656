#include "common/UntranslatedTexts.h"

#include <QtWidgets> // the widgets whose texts are read

namespace testsupport {

namespace {

bool IsData(const QString &word, const QStringList &dataWords)
{
    static const QStringList known = [] {
        QStringList words {QStringLiteral("Repbook"), QStringLiteral("Repminder")};
        const QLocale english(QLocale::English, QLocale::UnitedStates);
        for (int i = 1; i <= 12; ++i) {
            for (const auto format : {QLocale::LongFormat, QLocale::ShortFormat})
                words << english.monthName(i, format) << english.dayName((i - 1) % 7 + 1, format);
        }
        return words;
    }();
    return dataWords.contains(word) || known.contains(word, Qt::CaseInsensitive);
}

// Whether text has a word outside the marks, paths and rich-text markup that is not data.
bool HasUnmarkedWords(QString text, const QStringList &dataWords)
{
    if (Qt::mightBeRichText(text)) {
        QTextDocument document;
        document.setHtml(text);
        text = document.toPlainText();
    }
    // Marked texts nest where a translated text is put into another one.
    static const QRegularExpression marked(QStringLiteral("\u27e6[^\u27e6\u27e7]*\u27e7"));
    for (qsizetype length = -1; length != text.size();) {
        length = text.size();
        text.remove(marked);
    }
    text.remove(QRegularExpression(QStringLiteral("\\S*[/\\\\]\\S*")));
    for (auto words = QRegularExpression(QStringLiteral("\\p{L}{2,}")).globalMatch(text);
         words.hasNext();) {
        if (!IsData(words.next().captured(), dataWords))
            return true;
    }
    return false;
}

// Every text a user sees on widget: its own, its actions' and its items' headings. A field's
// text is data; a dialog's standard buttons speak Qt's own translation.
QStringList ShownTexts(const QWidget *widget)
{
    QStringList texts {widget->isWindow() ? widget->windowTitle() : QString()};
    const auto *buttons = qobject_cast<const QDialogButtonBox *>(widget->parentWidget());
    const auto *button = qobject_cast<const QAbstractButton *>(widget);
    const bool standard =
        buttons && button && buttons->standardButton(const_cast<QAbstractButton *>(button));
    for (const char *name : {"text", "title", "placeholderText", "toolTip"}) {
        if (!(qobject_cast<const QLineEdit *>(widget) && name[0] == 't') && !standard)
            texts << widget->property(name).toString();
    }
    if (const auto *bar = qobject_cast<const QTabBar *>(widget)) {
        for (int i = 0; i < bar->count(); ++i)
            texts << bar->tabText(i) << bar->tabToolTip(i);
    }
    if (const auto *box = qobject_cast<const QComboBox *>(widget); box && !box->isEditable()) {
        for (int i = 0; i < box->count(); ++i)
            texts << box->itemText(i);
    }
    if (const auto *view = qobject_cast<const QAbstractItemView *>(widget); view && view->model()) {
        for (int c = 0; c < view->model()->columnCount(); ++c)
            texts << view->model()->headerData(c, Qt::Horizontal).toString();
    }
    for (const QAction *action : widget->actions()) {
        texts << action->text() << action->toolTip();
        if (action->menu())
            texts << ShownTexts(action->menu());
    }
    return texts;
}

} // namespace

QTranslator *LoadPseudoTranslation(QObject *owner)
{
    auto *translator = new QTranslator(owner);
    return translator->load(QStringLiteral(REPBOOK_PSEUDO_QM)) &&
            QCoreApplication::installTranslator(translator)
        ? translator
        : nullptr;
}

QStringList UnmarkedTexts(const QWidget *window, const QStringList &dataWords)
{
    QStringList found;
    QList<const QWidget *> widgets {window};
    for (const QWidget *child : window->findChildren<QWidget *>()) {
        if (child->isVisibleTo(window) || qobject_cast<const QMenu *>(child))
            widgets << child;
    }
    for (const QWidget *widget : widgets) {
        for (const QString &text : ShownTexts(widget)) {
            if (HasUnmarkedWords(text, dataWords))
                found << QStringLiteral("%1: '%2'")
                             .arg(QLatin1String(widget->metaObject()->className()), text);
        }
    }
    found.removeDuplicates();
    return found;
}

} // namespace testsupport
