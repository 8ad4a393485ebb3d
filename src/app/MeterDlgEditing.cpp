// The main window's offline database editing commands.
#include "app/CMeterDlg.h"

void CMeterDlg::OnEditParameters() {}

void CMeterDlg::OnSatSelChange() {}

void CMeterDlg::OnEditSatellite() {}

void CMeterDlg::OnApply() {}

void CMeterDlg::OnAddTransponder() {}

void CMeterDlg::OnDeleteTransponder() {}

void CMeterDlg::OnAddSatellite() {}

void CMeterDlg::OnDeleteSatellite() {}
