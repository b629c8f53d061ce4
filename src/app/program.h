// Program: the start-up sequence. It makes the contents screen and every
// topic screen once; they all live until the program ends.
#pragma once

#include <QString>
#include <memory>
#include <vector>

class TDataModule1;
class TForm1;
class TopicScreen;

class Program
{
public:
    Program();
    ~Program();

    TForm1* contents() const { return contents_.get(); }

    // A topic screen by its class name ("TForm3"), or nullptr.
    TopicScreen* screen(const QString& className) const;

    void show();

private:
    // Made first and destroyed last: the drill screens use it throughout.
    std::unique_ptr<TDataModule1> data_;
    std::unique_ptr<TForm1> contents_;
};
