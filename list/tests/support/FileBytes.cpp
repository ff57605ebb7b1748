#include "FileBytes.h"

#include "foundation/TextFile.h"

std::string ReadFileBytes(const CString& path)
{
    CString text;
    ReadTextFile(text, path, CFile::modeRead | CFile::typeBinary);
    return text.str();
}

void WriteFileBytes(const CString& path, const std::string& bytes)
{
    WriteTextFile(path, CFile::modeCreate | CFile::modeWrite | CFile::typeBinary, CString(bytes));
}
