// Drives modal boxes and screens from a test: a handler runs on the next
// modal widget that comes up, from a timer, while the test is blocked in that
// widget's exec(). A box that never comes up fails the waiting test through
// QTEST_FUNCTION_TIMEOUT instead of hanging.
#pragma once

#include <QString>
#include <functional>

class QWidget;

// Calls handler(widget) once, on the next modal widget that is not the one
// active now.
void WhenModal(std::function<void(QWidget*)> handler);

// Clicks the button named buttonName on the next modal box, and stores the
// box's text in *text when text is given.
void AnswerNextBox(const QString& buttonName, QString* text = nullptr);

// Closes the next modal box by its close box.
void CloseNextBox(QString* text = nullptr);

// Presses Esc on the next modal box.
void EscapeNextBox(QString* text = nullptr);
