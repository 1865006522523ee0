#include "common/ScriptedSeams.h"
#include "common/TestMain.h"
#include "core/ui/Mnemonics.h"

#include <QApplication>
#include <QPdfWriter>

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Mnemonics::install(app);
    // What a test "prints" lands in a PDF file that it reads back.
    ScriptedPrinter::paper = [](const QString& path, const std::function<bool(QPagedPaintDevice&)>& paint) {
        QPdfWriter sheet(path);
        sheet.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        return paint(sheet);
    };
    return TestMain::runAll();
}
