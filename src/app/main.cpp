#include "Unit1.h"
#include "addresses/Unit2.h"

#include <QApplication>

#include <csignal>

int main(int argc, char* argv[]) {
    // A write beyond the file-size limit must fail with an error the user sees, not end us.
    std::signal(SIGXFSZ, SIG_IGN);

    QApplication application(argc, argv);
    TForm1 form1;
    TForm2 form2;
    form1.SetAddressWindow(&form2);
    form1.show();
    return application.exec();
}
