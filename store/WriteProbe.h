#pragma once
#include <string>

// Why a new file cannot be written in strFolder (made when missing), in the system's words
// for the first call that failed: making the folder, creating a file in it, writing a few
// kilobytes, flushing them to disk. Empty when all of that works; the file is removed again.
std::string WhyNoFileCanBeWrittenIn(const std::string& strFolder);
