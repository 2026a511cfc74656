#include "model/SharedText.h"

SharedText::SharedText(const QString &text)
    : m_data(text.isEmpty() ? nullptr : new Data(text))
{
}

const QString &SharedText::Empty()
{
    static const QString empty;
    return empty;
}
