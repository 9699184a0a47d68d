#include "worked_example.h"

#include <string>

void stageWorkedExample(const e2e::ProgramDir& dir) {
  dir.writeFile(L"app.dll", std::string("old app\r\n\0\x01", 11));
  dir.writeFile(L"res\\a.png", std::string("old png\0\xff", 9));
  dir.writeFile(L"delayup\\app.dll", std::string("new app\0\x7f", 9));
  dir.writeFile(L"delayup\\new.dll", "new dll");
  dir.writeFile(L"delayup\\res\\a.png", std::string("new png\r\n\0", 10));
  dir.writeFile(L"delayup\\res\\b.png", "new b");
}
