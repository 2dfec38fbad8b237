// Starts `corvane-script lsp` for the documents in the "Corvane AI script" language mode, and puts
// the plain-text files that match the corvaneScript.files patterns into that mode.
'use strict';

const path = require('path');
const vscode = require('vscode');
const { LanguageClient } = require('vscode-languageclient/node');

const languageId = 'corvane-ai-script';
let client;

// The server inside the extension, built for the package's platform, unless a setting names one.
function serverCommand(context) {
  const own = vscode.workspace.getConfiguration('corvaneScript').get('serverPath', '');
  if (own) return own;
  const program = process.platform === 'win32' ? 'corvane-script.exe' : 'corvane-script';
  return context.asAbsolutePath(path.join('server', program));
}

function isScript(document) {
  if (document.languageId !== 'plaintext' || document.uri.scheme !== 'file') return false;
  const patterns = vscode.workspace.getConfiguration('corvaneScript').get('files', []);
  return patterns.some((pattern) => vscode.languages.match({ scheme: 'file', pattern }, document) > 0);
}

function claimIfScript(document) {
  if (isScript(document)) vscode.languages.setTextDocumentLanguage(document, languageId);
}

async function activate(context) {
  context.subscriptions.push(vscode.workspace.onDidOpenTextDocument(claimIfScript));
  vscode.workspace.textDocuments.forEach(claimIfScript);

  const run = { command: serverCommand(context), args: ['lsp'] };
  client = new LanguageClient(languageId, 'Corvane AI script', { run, debug: run }, {
    documentSelector: [{ language: languageId }],
  });
  context.subscriptions.push(vscode.workspace.onDidChangeConfiguration((change) => {
    if (change.affectsConfiguration('corvaneScript.serverPath')) {
      vscode.window.showInformationMessage('Reload the window to start the new Corvane language server.');
    }
  }));
  await client.start();
}

function deactivate() {
  return client ? client.stop() : undefined;
}

module.exports = { activate, deactivate };
