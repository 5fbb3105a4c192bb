// The program each folder's layer check links: it only has to link.
int main()
{
    return 0;
}
