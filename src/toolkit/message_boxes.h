// Message boxes with Japanese buttons, and ConfirmQuit.
#pragma once

#include <QString>
#include <functional>

class QWidget;

// An information box with one OK button.
void ShowInformation(QWidget* parent, const QString& text);

// A plain message box with one OK button (used when a drill's time is up).
void ShowMessage(QWidget* parent, const QString& text);

// A warning box with one OK button, for a failed action the child should hear about.
void ShowWarning(QWidget* parent, const QString& text);

// A question with はい (the default) and いいえ. Esc answers いいえ; closing the
// box by its close box answers はい. Returns true for はい.
bool AskYesNo(QWidget* parent, const QString& text);

// "おわる": asks whether to end the program and ends it on consent.
void ConfirmQuit(QWidget* parent, const QString& message = QStringLiteral("終わっても いいの？"));

// What ending the program does; tests replace it to see that it was asked for.
void SetQuitAction(std::function<void()> action);
