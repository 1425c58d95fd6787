// The main page window's start-up: settings, the load with its progress box,
// and the outcome (the textbook's frame or the data error dialog).
#include "platform/base/FileNames.h"
#include "platform/widgets/Application.h"
#include "platform/widgets/BevelPanel.h"
#include "platform/widgets/Gauge.h"
#include "viewer/CommandLine.h"
#include "viewer/Settings.h"
#include "viewer/Viewerror.h"
#include "viewer/Viewpage.h"

void TfrmPage::StartViewer() {
    if (DataLoaded || LoadFailed) return;
    show(); // still captioned "Пожалуйста, ждите..."
    // A book named on the command line (relative to the folder the program
    // was started in) stands in for the one the settings file names.
    const std::string commandLineBook = BookArgument();
    const std::string folder = ExtractFilePath(FExeName);
    SetCurrentDir(folder);
    Progress = {FFormControl.get(), FBoxControl.get(), FWaitControl.get(), cgGauge};
    Data = std::make_unique<TPLBData>(&Progress);
    const std::string settings = SettingsFileName(FExeName);
    Pictures.Names.Clear();
    Pictures.Offsets.clear();
    mpMediaPlayer->move(mpMediaPlayer->x(), mpMediaPlayer->y() - mpMediaPlayer->height());
    DataFile = commandLineBook.empty() ? DataFileName(folder, settings) : commandLineBook;
    if (Data->LoadFromFile(DataFile, &Pictures))
        LoadSucceeded();
    else
        LoadFailedDialog();
    pnlProgressBox->hide();
    setEnabled(true);
}

void TfrmPage::LoadSucceeded() {
    DataLoaded = true;
    Application().SetTitle(Data->Title);
    InstallDesktopKeys();
    if (Data->Sizeable)
        SetBorderStyle(bsSizeable, biSystemMenu | biMinimize | biMaximize);
    else
        SetBorderStyle(bsSingle, biSystemMenu | biMinimize);
    OpenTextbook();
}

void TfrmPage::LoadFailedDialog() {
    auto dialog = std::make_unique<TfrmError>(*this);
    Data.reset();
    LoadFailed = true;
    dialog->CenterOver(*this);
    dialog->ShowModal();
    Application().Terminate();
}

void TfrmPage::frmDestroy() {
    if (LoadFailed) return;
    DestroySubPages();
    PageLibrary.Close(this);
    Pictures.Names.Clear();
    Pictures.Offsets.clear();
    Pictures.Data.reset();
    if (DataLoaded) Data.reset();
}
