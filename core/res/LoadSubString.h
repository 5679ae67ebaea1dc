#pragma once
#include <string>

// Whole text of string-table entry nID; empty when there is no such entry.
std::string LoadString(unsigned nID);

// Piece n (from 0) of entry nID, pieces separated by "\n"; empty when missing.
std::string LoadSubString(unsigned nID, int n);
