#pragma once
// The program's start: application object, title and help file, the main window and the About box,
// then the message loop of whatever host the platform services name (the Qt host in the program,
// none in tests). Returns 0, also when the start fails: the error has been shown by then.
int QuorvelMain();
