#include "app/formcreation.h"

#include "app/appcontext.h"
#include "app/unit0.h"
#include "dialogs/unit2.h"
#include "dialogs/unit3.h"
#include "dialogs/unit4.h"
#include "dialogs/unit5.h"
#include "home/unit1.h"
#include "player/unitp3.h"
#include "schemes/ueditschemi.h"

namespace solvaro {

void createForms(AppContext &context)
{
    createMainWindow(context);
    createPages(context);
}

void createMainWindow(AppContext &context)
{
    context.forms.Form0 = new TForm0(context);
}

void createPages(AppContext &context)
{
    Forms &forms = context.forms;
    forms.Form1 = new TForm1(context);
    forms.Form2 = new TForm2(context);
    forms.Form3 = new TForm3(context);
    forms.Form4 = new TForm4(context);
    forms.Form5 = new TForm5(context);
    forms.FormP3 = new TFormP3(context);
    forms.Feditschemi = new TFeditschemi(context);
    if (forms.Form0 && forms.Form0->isVisible())
        forms.Form0->FormActivate();
}

void destroyForms(AppContext &context)
{
    Forms &forms = context.forms;
    // Pages may have been re-parented into the main window; delete them first.
    delete forms.Feditschemi;
    delete forms.FormP3;
    delete forms.Form5;
    delete forms.Form4;
    delete forms.Form3;
    delete forms.Form2;
    delete forms.Form1;
    delete forms.Form0;
    forms = Forms();
}

} // namespace solvaro
