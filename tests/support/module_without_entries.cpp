// A loadable module that exports none of the entries the program looks for.
extern "C" int pictavo_test_unrelated_entry() {
  return 7;
}
