#pragma once

class QWidget;

// Routes the core's notices, questions and file choices to modal boxes and file dialogs
// owned by the given window.
void InstallWidgetSeams(QWidget* owner);
