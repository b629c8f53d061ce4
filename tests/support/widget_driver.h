// Finding widgets by objectName and using them as a child would.
#pragma once

#include <QLabel>
#include <QTest>
#include <QWidget>

class PickList;
class QAbstractButton;

// The widget of type T named name under root; fails the test when missing.
template <class T>
T* Find(const QObject* root, const QString& name)
{
    T* widget = root->findChild<T*>(name);
    if (!widget)
        qWarning("no %s named %s", T::staticMetaObject.className(), qPrintable(name));
    return widget;
}

// Clicks item index of a pick list, as a mouse click on the list.
void Pick(PickList* list, int index);
void Pick(const QObject* root, const QString& listName, int index);

// Clicks a button by its name.
void Click(const QObject* root, const QString& buttonName);

// The text of a label by its name.
QString LabelText(const QObject* root, const QString& labelName);

// Points the program at the data the build made, for tests that read it.
void UseBuiltData();
