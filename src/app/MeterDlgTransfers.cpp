// The main window's transfer commands: load software, read and write parameters.
#include "app/CMeterDlg.h"

void CMeterDlg::OnLoadSoftware() {}

void CMeterDlg::OnReadParameters() {}

void CMeterDlg::OnWriteParameters() {}
