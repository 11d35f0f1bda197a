// Keeps the widget library non-empty until its first widget lands.
namespace tally_ui_placeholder {
int unused = 0;
}
