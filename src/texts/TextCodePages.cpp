#include "TextCodePages.h"

namespace orvanta {

TextCodePages::TextCodePages(int translation, int source)
    : m_source(source)
    , m_translation(translation)
{
}

TextCodePages TextCodePages::withTranslation(int translation) const
{
    TextCodePages pages = *this;
    if (translation != m_translation.number())
        pages.m_translation = CodePage(translation);
    return pages;
}

} // namespace orvanta
