#pragma once
// Writes the note's text to a file, replacing it: exactly its bytes, in one
// write. Raises "不能创建文件 %s" or "写流出错".
#include <string>

void WriteTextFile(const std::string& path, const std::string& text);
