// Prints where the window's controls are, from the window's own layout tables, for check-dist to click and
// look at: one shell assignment a control, NAME="LEFT TOP WIDTH HEIGHT" in pixels from the top left of the
// window's client area, with a name's brackets as underscores ("Text1_1_", "Command3_10_"). Built with the
// machine's compiler when check-dist runs; the tables need the standard library only.
#include <cstdio>
#include <string>
#include <string_view>

#include "entry/keypad.h"
#include "window/layout.h"

namespace {

using window::layout::Indexed;
using window::layout::Pixels;
using window::layout::Twips;

void Print(std::string_view name, const Twips& at, int left = 0, int top = 0)
{
    std::string shell(name);
    for (char& c : shell) c = c == '(' || c == ')' ? '_' : c;
    std::printf("%s=\"%d %d %d %d\"\n", shell.c_str(), left + Pixels(at.left), top + Pixels(at.top), Pixels(at.width),
                Pixels(at.height));
}

}  // namespace

int main()
{
    namespace layout = window::layout;
    Twips frame{};
    for (const layout::Control& control : layout::kControls) {
        Print(control.name, control.at);
        if (control.kind == layout::Kind::Frame) frame = control.at;
    }
    for (int row = 0; row < ledger::kRowCount; ++row) {
        for (const layout::RowControl& control : layout::kRowControls) {
            Print(Indexed(control.name, row), layout::RowControlAt(control, row));
        }
    }
    // The keys sit in the keypad's frame.
    for (int key = 0; key <= entry::kKeyCount; ++key) {
        const std::string name = key == entry::kKeyCount ? "Command2" : Indexed("Command3", key);
        Print(name, layout::KeyAt(key), Pixels(frame.left), Pixels(frame.top));
    }
}
