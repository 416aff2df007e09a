// Lints the page's own code (resources/web), which runs as a plain script in
// current browsers.
import js from "@eslint/js";
import globals from "globals";

export default [
  {
    files: ["**/*.js"],
    ...js.configs.recommended,
  },
  {
    files: ["**/*.js"],
    languageOptions: {
      ecmaVersion: 2022,
      sourceType: "script",
      // `module` only where Node loads the file to test its deal.
      globals: {...globals.browser, module: "readonly"},
    },
    rules: {
      "eqeqeq": "error",
      "no-var": "error",
      "prefer-const": "error",
      "strict": ["error", "global"],
      "no-shadow": "error",
    },
  },
];
