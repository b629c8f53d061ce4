// LessonPages: the lesson texts that "次へ" pages through in study mode.
// The pages come one after another and start over after the last one
// (1, 2, 1, 2, ...). Page 0 means no page has been shown yet.
#pragma once

#include <QStringList>

class LessonPages
{
public:
    explicit LessonPages(QStringList pages);

    int count() const { return int(pages_.size()); }
    // The page shown last, counted from 1; 0 before the first.
    int page() const { return page_; }

    // Moves to the next page (after the last comes the first) and returns its text.
    QString next();

    // Back to before the first page: the next call of next() gives page 1.
    void restart() { page_ = 0; }

private:
    QStringList pages_;
    int page_ = 0;
};
