// Keeps the window library non-empty until its first window lands.
namespace tally_gui_placeholder {
int unused = 0;
}
