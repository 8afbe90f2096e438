# The two commands of the quick start, and the steps they are made of.
#   make run    build and run the command-line designer on the default inputs
#   make test   build all three targets and run every test, native and under Wine
#   make screenshots   pictures of the Windows program's forms (build/win64/screenshots)

CMAKE ?= cmake
CTEST ?= ctest
XVFB  := xvfb-run -a -s "-screen 0 1024x768x24"

.PHONY: run test deps native win64 win32 test-native test-win64 screenshots clean

run: deps
	@mkdir -p build && $(CMAKE) --preset native >build/configure-native.log 2>&1 || { cat build/configure-native.log; exit 1; }
	@echo "Building the designer (build/native)..."
	@$(CMAKE) --build --preset native --target zentrik >build/build-native.log 2>&1 || { cat build/build-native.log; exit 1; }
	@echo
	@build/native/design-tool/cli/zentrik

test: deps native win64 win32 test-native test-win64

deps:
	@scripts/install-deps.sh

native win64 win32: deps
	@echo "== Building $@"
	@$(CMAKE) --preset $@ >/dev/null
	@$(CMAKE) --build --preset $@

test-native: native
	@echo "== Native tests"
	@$(CTEST) --preset native

# Windows programs run under Wine; the GUI tests need an X display.
test-win64: win64
	@echo "== Windows x86-64 tests under Wine"
	@$(XVFB) $(CTEST) --preset win64; status=$$?; build/win64/wine-run.sh --kill >/dev/null 2>&1; exit $$status

# A picture of every form of the Windows program, in build/win64/screenshots.
screenshots: win64
	@$(CMAKE) --build --preset win64 --target screenshots

clean:
	rm -rf build
