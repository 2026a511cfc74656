#pragma once

#include <QDoubleSpinBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QSpinBox>

#include <type_traits>

// What the spin cell asks of its in-place editor: the cell text in and out.
class CGridSpinEditorBase
{
public:
    virtual ~CGridSpinEditorBase() = default;
    virtual void SetCellText(const QString &text) = 0;
    virtual QString CellText() const = 0;
};

// The in-place editor of a spin cell: a QSpinBox or QDoubleSpinBox whose arrows step the value
// within the cell's range, but that also accepts free text. What the user typed goes back to the
// cell as typed unless it is a number, which comes back in the spin box's own format; the grid's
// owner reads the text and decides what it means. Numbers are written with a dot; a number typed
// in the user's own locale is understood too.
template<class SpinBase>
class CGridSpinEditor : public SpinBase, public CGridSpinEditorBase
{
    static_assert(std::is_same_v<SpinBase, QSpinBox> || std::is_same_v<SpinBase, QDoubleSpinBox>);

public:
    using Value = std::conditional_t<std::is_same_v<SpinBase, QSpinBox>, int, double>;

    explicit CGridSpinEditor(QWidget *parent)
        : SpinBase(parent)
    {
        this->setLocale(QLocale::c());
        this->setFrame(false);
        this->setKeyboardTracking(true);
        this->setAccelerated(true);
        QObject::connect(this->lineEdit(), &QLineEdit::textEdited, this, [this](const QString &t) {
            m_typed = t;
            m_freeText = true;
        });
    }

    void SetCellText(const QString &text) override
    {
        bool ok = false;
        const Value value = Parse(text, &ok);
        if (ok && value >= this->minimum() && value <= this->maximum()) {
            m_freeText = false;
            this->setValue(value);
        } else {
            // Shown as it stands, so that committing unchanged gives the same text back.
            m_freeText = true;
            m_typed = text;
            this->lineEdit()->setText(text);
        }
        this->selectAll();
    }

    QString CellText() const override
    {
        if (!m_freeText)
            return this->textFromValue(this->value());
        bool ok = false;
        const Value value = Parse(m_typed, &ok);
        return ok ? this->textFromValue(value) : m_typed;
    }

    void stepBy(int steps) override
    {
        SpinBase::stepBy(steps);
        m_freeText = false;
    }

protected:
    QValidator::State validate(QString &, int &) const override { return QValidator::Acceptable; }

    Value valueFromText(const QString &text) const override
    {
        bool ok = false;
        const Value value = Parse(text, &ok);
        return ok ? value : this->value();
    }

    void keyPressEvent(QKeyEvent *event) override
    {
        // Enter ends the edit through the grid; the spin box must not rewrite the text first.
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            event->ignore();
            return;
        }
        SpinBase::keyPressEvent(event);
    }

    void showEvent(QShowEvent *event) override
    {
        SpinBase::showEvent(event); // rewrites the text from the value
        if (m_freeText)
            this->lineEdit()->setText(m_typed);
        this->selectAll();
    }

private:
    static Value Parse(const QString &text, bool *ok)
    {
        const QString trimmed = text.trimmed();
        for (const QLocale &locale : {QLocale::c(), QLocale()}) {
            Value value {};
            if constexpr (std::is_same_v<Value, int>)
                value = locale.toInt(trimmed, ok);
            else
                value = locale.toDouble(trimmed, ok);
            if (*ok)
                return value;
        }
        return Value {};
    }

    QString m_typed;
    bool m_freeText = false;
};
