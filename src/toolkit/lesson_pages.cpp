// LessonPages: paging through a screen's lesson texts.
#include "lesson_pages.h"

LessonPages::LessonPages(QStringList pages)
    : pages_(std::move(pages))
{
}

QString LessonPages::next()
{
    if (pages_.isEmpty())
        return QString();
    page_ = page_ % count() + 1;
    return pages_.at(page_ - 1);
}
