// Widget driver for the screen tests.
#include "widget_driver.h"

#include "pick_list.h"
#include "program_folder.h"

#include <QAbstractButton>
#include <QListWidget>

void Pick(PickList* list, int index)
{
    QVERIFY2(list, "pick list missing");
    QVERIFY2(list->isEnabled() && list->isVisibleTo(list->window()), qPrintable(list->objectName() + " cannot be picked"));
    QListWidget* view = list->list();
    QListWidgetItem* item = view->item(index);
    QVERIFY2(item, "no such item");
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualItemRect(item).center());
}

void Pick(const QObject* root, const QString& listName, int index)
{
    Pick(Find<PickList>(root, listName), index);
}

void Click(const QObject* root, const QString& buttonName)
{
    auto* button = Find<QAbstractButton>(root, buttonName);
    QVERIFY2(button, qPrintable("no button " + buttonName));
    QTest::mouseClick(button, Qt::LeftButton);
}

QString LabelText(const QObject* root, const QString& labelName)
{
    auto* label = Find<QLabel>(root, labelName);
    return label ? label->text() : QStringLiteral("<missing %1>").arg(labelName);
}

void UseBuiltData()
{
#ifdef KAZERUMI_DATA_DIR
    SetProgramFolder(QStringLiteral(KAZERUMI_DATA_DIR));
#endif
}
