#include "blent/BlentMain.h"

int main(int argc, char** argv)
{
    return velm::blent::RunBlent(argc, argv);
}
