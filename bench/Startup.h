#pragma once
// veltrax-bench startup: first painted frame and resident memory of the window.

int Startup(int argc, char** argv);
