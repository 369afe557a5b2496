// The floor the panel's start-up is measured against: a program on the same
// form layer that shows one empty borderless form of the panel's size, waits
// for its first paint, says so on stdout and exits.
#include <cstdio>

#include "platform/forms/TApplication.h"
#include "platform/forms/TForm.h"
#include "platform/ui/headless/Driver.h"

int main() {
    ui::headless::Driver driver;
    auto form = forms::Application->CreateForm<forms::TForm>();
    form->SetClientSize(1000, 625);
    form->Show();
    driver.runUntilIdle();
    if (driver.record(*form).presents == 0) {
        return 1;
    }
    std::puts("painted");
    std::fflush(stdout);
    form.reset();
    return 0;
}
