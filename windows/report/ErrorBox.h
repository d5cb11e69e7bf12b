#pragma once

#include <memory>
#include <string>

class QMessageBox;

// The default report's box, built but not shown: no parent window,
// application-modal, stop icon, OK alone, the application title.
std::unique_ptr<QMessageBox> MakeErrorBox(const std::string& message);
