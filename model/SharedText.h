#pragma once

#include <QExplicitlySharedDataPointer>
#include <QSharedData>
#include <QString>

// A text behind one pointer: an empty text takes no allocation, and copies share one holder that
// never changes. The model keeps names in it: 8 bytes instead of a QString's 24 in each of a
// diary's hundred thousand entries, with equal names read from a file sharing one holder.
class SharedText
{
public:
    SharedText() = default;
    explicit SharedText(const QString &text);

    const QString &Get() const { return m_data ? m_data->text : Empty(); }
    bool IsEmpty() const { return !m_data; }

private:
    struct Data : QSharedData
    {
        explicit Data(const QString &value)
            : text(value)
        {
        }
        const QString text;
    };

    static const QString &Empty();

    QExplicitlySharedDataPointer<Data> m_data;
};
