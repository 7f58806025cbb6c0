#pragma once

class CQtUi;

// Gives the Ui the view of every dialog the program shows.
void InstallDialogViews(CQtUi& ui);
