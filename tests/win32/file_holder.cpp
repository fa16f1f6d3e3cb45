// Holds a file open without sharing, as a running program holds its own
// files, until told to let go: file_holder PATH creates PATH.held once the
// file is open and closes it when PATH.release appears (or after 60 s).
#include <windows.h>

#include <string>

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  const std::string path = argv[1];
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 1;
  HANDLE held = CreateFileA((path + ".held").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  CloseHandle(held);
  const std::string release = path + ".release";
  for (int i = 0; i < 3000 && GetFileAttributesA(release.c_str()) == INVALID_FILE_ATTRIBUTES; ++i)
    Sleep(20);
  CloseHandle(file);
  DeleteFileA((path + ".held").c_str());
  return 0;
}
