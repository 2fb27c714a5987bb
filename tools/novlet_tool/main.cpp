#include <iostream>

int main() {
  std::cout << "novlet-tool\n";
  return 0;
}
