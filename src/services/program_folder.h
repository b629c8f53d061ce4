// ProgramFolder: the folder of the program file, with a trailing separator.
// Every data file the program reads (sounds, pictures, help) is found relative
// to it, so the program works whatever the current folder is.
#pragma once

#include <QString>

QString ProgramFolder();

// Points the program at another data folder (tests run from their own folder
// and read the data the build put beside the program). An empty text goes back
// to the folder of the program file.
void SetProgramFolder(const QString& folder);
