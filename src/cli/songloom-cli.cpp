#include <iostream>

int main(int argc, char** argv) {
  (void)argc;
  (void)argv;
  std::cerr << "usage: songloom-cli info FILE...\n";
  return 2;
}
