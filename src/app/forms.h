#pragma once

namespace solvaro {

class TForm0;
class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TFormP3;
class TFeditschemi;

// The eight forms of the program. They are created once at start, in the order
// of the members, and live until the program ends; each reaches the others
// through this table.
struct Forms {
    TForm0 *Form0 = nullptr; // main window
    TForm1 *Form1 = nullptr; // home page
    TForm2 *Form2 = nullptr; // memo dialog
    TForm3 *Form3 = nullptr; // closing screen
    TForm4 *Form4 = nullptr; // "Edit Box"
    TForm5 *Form5 = nullptr; // media settings
    TFormP3 *FormP3 = nullptr; // exercise player
    TFeditschemi *Feditschemi = nullptr; // scheme editor
};

} // namespace solvaro
