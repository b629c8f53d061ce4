// Program: makes the screens in their start-up order.
#include "program.h"

#include "contents_screen.h"
#include "data_module.h"
#include "decimals/multiplication_drill_screen.h"
#include "decimals/multiplication_screen.h"
#include "decimals/place_value_screen.h"
#include "decimals/ten_times_screen.h"
#include "approx/approx_screen.h"
#include "rules/rule_screen.h"
#include "ratio/percentage_screen.h"
#include "ratio/percentage_drill_screen.h"
#include "fraction_decimal/fraction_decimal_screen.h"

#include <QApplication>

Program::Program()
    : data_(std::make_unique<TDataModule1>())
    , contents_(std::make_unique<TForm1>())
{
    // The topic screens belong to the contents screen, which shows them
    // modally in front of itself. Each is made hidden; some reset themselves
    // now, silently, since sound is still off.
    TForm1* contents = contents_.get();
    contents->setTopicScreen(3, new TForm2(contents));
    contents->setTopicScreen(4, new TForm3(contents));
    contents->setTopicScreen(5, new TForm4(contents));
    contents->setTopicScreen(6, new TForm5(contents));
    contents->setTopicScreen(9, new TForm8(contents));
    contents->setTopicScreen(10, new TForm9(contents));
    contents->setTopicScreen(16, new TForm15(contents));
    contents->setTopicScreen(17, new TForm16(contents));
    contents->setTopicScreen(18, new TForm17(contents));
}

Program::~Program() = default;

TopicScreen* Program::screen(const QString& className) const
{
    return contents_->findChild<TopicScreen*>(className, Qt::FindDirectChildrenOnly);
}

void Program::show()
{
    contents_->show();
}
