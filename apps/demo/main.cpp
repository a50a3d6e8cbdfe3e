// File: main.cpp
// vok_demo: the example host application of the date-picker module. See
// DemoOptions.cpp for its command line and DemoRun.h for its ways of
// running.
#include <iostream>

#include "base_runtime/VOKTime.h"
#include "demo/DemoOptions.h"
#include "demo/DemoRun.h"
#include "demo/DemoSearchForm.h"

int main(int argc, char** argv) {
  const vok_demo::ParsedOptions parsed = vok_demo::ParseOptions(argc, argv);
  if (!parsed.error.empty()) {
    std::cerr << "vok_demo: " << parsed.error << "\nTry \"vok_demo --help\".\n";
    return 2;
  }
  if (parsed.options.help) {
    std::cout << vok_demo::Usage();
    return 0;
  }
  if (const auto& today = parsed.options.today) {
    VOKHostClock::FixToday(today->year, today->month, today->day);
  }
  int status = 0;
  {
    vok_demo::DemoSearchForm form;
    form.SetVisibility(VOKDlgVisibility::Shown);
    status = vok_demo::RunDemo(form, parsed.options, std::cout, std::cerr);
  }
  VOKCommand::FlushDelayedDestructions();
  return status;
}
