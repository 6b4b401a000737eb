#include "app.hpp"

int main(int argc, char** argv) { return velmora::ui::CBrevinorApp().run(argc, argv); }
