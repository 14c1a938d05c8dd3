-- Demo data set of a small food distributor, loaded after host_schema.sql into an empty database.
--
-- Invoices are dated both on fixed days of October and November 2026 and relative to the day the file
-- is loaded (within the current month, never after today), so the default period of the main window,
-- the first of this month to now, always lists something.
--
-- Tax numbers have the right shape but deliberately wrong check digits, so none belongs to anyone.
-- Names are stored the way the host system keeps them: upper case, without accents, which is also what
-- the searches compare against.
--
-- Plain SQL only: it is loaded both with psql and through a single PQexec call.

set client_encoding = 'UTF8';

-- Companies 1 and 2 issue the invoices; 10 and 11 are users, 20 to 22 sales representatives, 30 and 31
-- carriers, 101 and up clients. parsit 'I' is inactive, 'B' blocked.
insert into public.par (parcod, pardes, parfan, parcnpjcpf, parsit) values
    (1, 'DISTRIBUIDORA SERRA VERDE LTDA', 'SERRA VERDE MATRIZ', '84.773.264/0001-79', 'A'),
    (2, 'DISTRIBUIDORA SERRA VERDE LTDA', 'SERRA VERDE FILIAL UBERLANDIA', '84.773.264/0002-50', 'A'),
    (10, 'MARCIA REGINA TAVARES', null, '415.822.789-55', 'A'),
    (11, 'CARLOS EDUARDO MOREIRA', null, '088.137.156-42', 'A'),
    (20, 'ANDRE LUIZ FONSECA REPRESENTACOES LTDA', 'ANDRE REPRESENTACOES', '70.696.564/0001-97', 'A'),
    (21, 'PATRICIA MENDES DE OLIVEIRA', null, '659.605.693-71', 'A'),
    (22, 'ROBERTO ALVES CAMPOS', null, '317.451.427-47', 'I'),
    (30, 'TRANSPORTADORA RODOSUL CARGAS LTDA', 'RODOSUL', '06.766.732/0001-74', 'A'),
    (31, 'EXPRESSO VALE DO RIO DOCE TRANSPORTES LTDA', 'EXPRESSO VALE', '02.274.171/0001-35', 'A'),
    (101, 'SUPERMERCADO BOA VISTA LTDA', 'SUPERMERCADO BOA VISTA', '50.708.135/0001-85', 'A'),
    (102, 'MERCEARIA SAO JORGE LTDA ME', 'MERCEARIA SAO JORGE', '82.703.232/0001-71', 'A'),
    (103, 'PADARIA E CONFEITARIA PAO DOURADO LTDA', 'PAO DOURADO', '71.289.730/0001-01', 'A'),
    (104, 'ATACADAO DO NORTE COMERCIO DE ALIMENTOS LTDA', 'ATACADAO DO NORTE', '34.735.064/0001-53', 'A'),
    (105, 'EMPORIO SABOR DE MINAS LTDA', 'SABOR DE MINAS', '68.540.584/0001-22', 'A'),
    (106, 'RESTAURANTE TERRA NOSSA LTDA', 'TERRA NOSSA', '21.270.106/0001-86', 'A'),
    (107, 'LANCHONETE PONTO CERTO LTDA ME', 'PONTO CERTO', '61.579.846/0001-13', 'A'),
    (108, 'JOSE ANTONIO RIBEIRO DA COSTA', null, '454.131.185-21', 'A'),
    (109, 'MERCADO CENTRAL DE VILA NOVA LTDA', 'MERCADO CENTRAL', '61.470.696/0001-05', 'I'),
    (110, 'SUPERMERCADO BOM PRECO DE CONTAGEM LTDA', 'BOM PRECO', '98.617.298/0001-89', 'A'),
    (111, 'MINIMERCADO DUAS IRMAS LTDA ME', 'DUAS IRMAS', '41.192.247/0001-35', 'A'),
    (112, 'ARMAZEM SANTA LUZIA LTDA', 'ARMAZEM SANTA LUZIA', '97.100.487/0001-17', 'A'),
    (113, 'PANIFICADORA TRIGO DE OURO LTDA', 'TRIGO DE OURO', '61.019.219/0001-28', 'A'),
    (114, 'COMERCIAL IRMAOS PEREIRA LTDA', 'IRMAOS PEREIRA', '10.924.158/0001-02', 'A'),
    (115, 'HORTIFRUTI VERDE VALE LTDA', 'VERDE VALE', '54.744.477/0001-01', 'A'),
    (116, 'SACOLAO DO POVO LTDA ME', 'SACOLAO DO POVO', '82.470.512/0001-87', 'A'),
    (117, 'SUPERMERCADO PRIMAVERA DE BETIM LTDA', 'PRIMAVERA', '41.539.742/0001-78', 'A'),
    (118, 'MERCEARIA NOSSA SENHORA APARECIDA LTDA', 'MERCEARIA APARECIDA', '70.502.500/0001-08', 'A'),
    (119, 'BAR E RESTAURANTE RECANTO MINEIRO LTDA', 'RECANTO MINEIRO', '10.449.178/0001-79', 'A'),
    (120, 'CANTINA DA NONNA LTDA', 'CANTINA DA NONNA', '49.866.186/0001-56', 'A'),
    (121, 'EMPORIO BELA VISTA LTDA', 'EMPORIO BELA VISTA', '16.198.120/0001-86', 'A'),
    (122, 'SUPERMERCADO ESTRELA DO OESTE LTDA', 'ESTRELA DO OESTE', '43.277.013/0001-16', 'A'),
    (123, 'DISTRIBUIDORA DE BEBIDAS GELADAO LTDA', 'GELADAO BEBIDAS', '07.284.548/0001-51', 'A'),
    (124, 'MERCADINHO SAO FRANCISCO LTDA ME', 'MERCADINHO SAO FRANCISCO', '99.318.374/0001-18', 'A'),
    (125, 'CONVENIENCIA POSTO TREVO LTDA', 'CONVENIENCIA TREVO', '06.344.013/0001-65', 'A'),
    (126, 'HOTEL FAZENDA VALE DAS ACACIAS LTDA', 'VALE DAS ACACIAS', '72.051.576/0001-90', 'A'),
    (127, 'COZINHA INDUSTRIAL SABOR CASEIRO LTDA', 'SABOR CASEIRO', '45.273.638/0001-35', 'A'),
    (128, 'ESCOLA INFANTIL PEQUENO PRINCIPE LTDA', 'PEQUENO PRINCIPE', '29.103.231/0001-03', 'A'),
    (129, 'MARIA APARECIDA GONCALVES', null, '007.928.135-46', 'A'),
    (130, 'ANTONIO CARLOS NOGUEIRA', null, '865.347.827-24', 'A'),
    (131, 'SUPERMERCADO UNIAO DE SETE LAGOAS LTDA', 'SUPER UNIAO', '30.501.220/0001-61', 'A'),
    (132, 'MERCEARIA DO ZE LTDA ME', 'MERCEARIA DO ZE', '06.647.020/0001-36', 'A'),
    (133, 'PADARIA MODELO DE ITAUNA LTDA', 'PADARIA MODELO', '88.194.535/0001-92', 'A'),
    (134, 'COMERCIO DE ALIMENTOS SERRANO LTDA', 'SERRANO ALIMENTOS', '09.523.596/0001-80', 'A'),
    (135, 'ACOUGUE E MERCEARIA BOI GORDO LTDA', 'BOI GORDO', '83.993.420/0001-44', 'A'),
    (136, 'SUPERMERCADO FAMILIA FELIZ LTDA', 'FAMILIA FELIZ', '99.494.662/0001-23', 'A'),
    (137, 'LANCHONETE E PASTELARIA BOM SABOR LTDA', 'BOM SABOR', '41.518.692/0001-42', 'A'),
    (138, 'RESTAURANTE FOGAO A LENHA LTDA', 'FOGAO A LENHA', '75.954.212/0001-08', 'A'),
    (139, 'MERCADO POPULAR DE DIVINOPOLIS LTDA', 'MERCADO POPULAR', '96.585.575/0001-93', 'A'),
    (140, 'EMPORIO DA SERRA LTDA', 'EMPORIO DA SERRA', '59.739.301/0001-85', 'A'),
    (141, 'SUPERMERCADO PONTO ALTO LTDA', 'PONTO ALTO', '91.540.798/0001-11', 'A'),
    (142, 'QUITANDA DONA BENTA LTDA ME', 'QUITANDA DONA BENTA', '69.322.595/0001-07', 'A'),
    (143, 'FRANCISCO DE ASSIS LIMA', null, '237.017.228-21', 'A'),
    (144, 'SUPERMERCADO NOVA ERA DE IPATINGA LTDA', 'NOVA ERA', '60.157.500/0001-64', 'A'),
    (145, 'MERCEARIA BOM JESUS LTDA', 'MERCEARIA BOM JESUS', '48.446.416/0001-65', 'A'),
    (146, 'DOCERIA FLOR DE LIS LTDA ME', 'FLOR DE LIS', '90.428.469/0001-10', 'A'),
    (147, 'PIZZARIA FORNO DE BARRO LTDA', 'FORNO DE BARRO', '45.372.831/0001-23', 'A'),
    (148, 'HOSPITAL SAO LUCAS LTDA', 'HOSPITAL SAO LUCAS', '28.023.541/0001-55', 'A'),
    (149, 'SUPERMERCADO CASA NOSSA LTDA', 'CASA NOSSA', '55.254.564/0001-43', 'A'),
    (150, 'MERCEARIA TRES CORACOES LTDA', 'TRES CORACOES', '24.072.936/0001-97', 'A'),
    (151, 'ARMAZEM DO CAMPO LTDA', 'ARMAZEM DO CAMPO', '54.024.664/0001-11', 'A'),
    (152, 'RESTAURANTE SABOR DA ROCA LTDA', 'SABOR DA ROCA', '37.123.799/0001-14', 'A'),
    (153, 'LUCIANA FERREIRA BARBOSA', null, '206.415.596-16', 'A'),
    (154, 'SUPERMERCADO DIA A DIA LTDA', 'DIA A DIA', '17.581.559/0001-56', 'A'),
    (155, 'MINIMERCADO SOL NASCENTE LTDA ME', 'SOL NASCENTE', '94.733.815/0001-24', 'A'),
    (156, 'PADARIA SANTA EDWIGES LTDA', 'SANTA EDWIGES', '87.548.574/0001-88', 'A'),
    (157, 'COMERCIAL ALIANCA DE MONTES CLAROS LTDA', 'ALIANCA', '22.103.726/0001-93', 'A'),
    (158, 'MERCEARIA VITORIA LTDA ME', 'MERCEARIA VITORIA', '38.821.042/0001-67', 'B'),
    (159, 'SUPERMERCADO ECONOMICO LTDA', 'ECONOMICO', '72.640.886/0001-40', 'I'),
    (160, 'BAR DO TONINHO LTDA ME', 'BAR DO TONINHO', '31.945.303/0001-01', 'I');


insert into public.opnf (opnfcod, opnfdes, opnfsta) values
    (5102, 'VENDA DE MERCADORIA ADQUIRIDA DE TERCEIROS', 'G'),
    (5405, 'VENDA DE MERCADORIA COM SUBSTITUICAO TRIBUTARIA', 'G'),
    (5910, 'REMESSA EM BONIFICACAO', 'N'),
    (5949, 'OUTRA SAIDA NAO ESPECIFICADA', 'N'),
    (1202, 'DEVOLUCAO DE VENDA', 'N'),
    (5929, 'VENDA ACOBERTADA POR CUPOM FISCAL', 'I');

insert into public.plpg (plpgcod, plpgdes, plpgpzmedio) values
    (1, 'A VISTA', 0),
    (2, '28 DIAS', 28),
    (3, '28/35/42 DIAS', 35),
    (4, '30/60/90 DIAS', 60),
    (5, '7/14/21 DIAS', 14);

insert into public.tc (tccod, tcdes, tcpzmediomin, tcpzmediomax) values
    (1, 'DINHEIRO', 0, 0),
    (2, 'BOLETO BANCARIO', 1, 90),
    (3, 'CHEQUE PRE-DATADO', 1, 45),
    (4, 'CARTEIRA', 0, 28),
    (5, 'DEPOSITO EM CONTA', 0, 15),
    (6, 'CARTAO DE CREDITO', 0, 30);

-- 105 is still being set up (no payment plan); 107 buys but was never registered as a client.
insert into public.cli (cliparcod, cli_plano_pagamento) values
    (101, 3),
    (102, 2),
    (103, 1),
    (104, 4),
    (105, null),
    (106, 2),
    (108, 5),
    (109, 2);

insert into public.cli (cliparcod, cli_plano_pagamento)
select parcod, 1 + parcod % 5
from public.par
where parcod between 110 and 160;

-- 101: cheque (seq 1) wins over boleto (seq 2); cash does not fit a 35-day plan.
-- 102: "carteira" ends exactly at the plan's 28 days.
-- 104: a 60-day plan, but the client may only pay by cheque up to 45 days or deposit up to 15:
--      nothing fits, so no grouped order can be generated for it.
-- 106: has a plan but no charging type at all.
insert into public.clitc (clitccod, clitccliparcod, clitctccod, clitcseq) values
    (1, 101, 2, 2),
    (2, 101, 3, 1),
    (3, 101, 1, 3),
    (4, 102, 4, 1),
    (5, 102, 2, 2),
    (6, 103, 1, 1),
    (7, 103, 6, 2),
    (8, 104, 3, 1),
    (9, 104, 5, 2),
    (10, 105, 2, 1),
    (11, 108, 5, 1),
    (12, 109, 2, 1);

-- The remaining clients pay by boleto, or in cash when their plan is "a vista".
insert into public.clitc (clitccod, clitccliparcod, clitctccod, clitcseq)
select 1000 + 2 * cliparcod, cliparcod, 2, 1
from public.cli
where cliparcod between 110 and 160
union all
select 1001 + 2 * cliparcod, cliparcod, 1, 2
from public.cli
where cliparcod between 110 and 160;

-- Invoice headers. dia is the day of the current month counted from 0 (kept at or before today),
-- used when emissao is null; saida is the number of days between emission and exit (null: not left
-- yet). Money, weights and volumes of invoices with items are summed from their items further down.
insert into public.nf (
    nfcod, nfempparcod, nfparcod, nfnum, nfserie, nfdtemi, nfdtsai, nfhrsai, nfopnfcod,
    nfsta, nfespecie, nfmodelo, nftipoemissao, nftipofrete, nfufsigla, nfmuncod,
    nfvl, nfvlpro, nfvldesc, nfvlfrete, nfvlseguro, nfvloutrasdesp, nfvlisento, nfvloutros, nfvlcreddevol,
    nfpesoliq, nfpesobruto, nfvol, nfnumvol, nfespecievolume,
    nfpvcod, nfrefpvcod, nfrefnfcod, nfplpgcod, nfrcaparcod, nfsupparcod, nftranspcod,
    nfcarcod, nfcarcodorig, nfordcar,
    nfcadusuparcod, nfcadhorario, nfaltusuparcod, nfalthorario, nfefetusuparcod, nfefetdt,
    nfsefazusuparcod, nfsefazhorario, nfsefazsituacao, nfsefazchave, nfsefazprotocolo, nfsefazmens,
    nfarquivoxml, nfobs)
select
    v.cod, v.emp, v.cli, v.num, '1', d.emissao, d.saida,
    case when d.saida is not null then time '14:30' + (v.num % 7) * interval '17 min' end,
    v.op,
    'EF', 'NFE', '55', '1', case when v.transp is null then '9' else '0' end, 'MG', 3106200,
    v.vl, v.vl, 0, 0, v.seguro, 0, 0, 0, 0,
    v.peso, round(v.peso * 1.05, 3), v.vol, v.vol, case when v.vol is not null then 'CAIXA' end,
    v.pv, null, v.refnf, cli.cli_plano_pagamento, v.rca, 20, v.transp,
    v.car, v.car, case when v.car is not null then 1 + v.num % 9 end,
    10, d.emissao + time '08:10' + (v.num % 11) * interval '13 min',
    11, d.emissao + time '09:40' + (v.num % 11) * interval '13 min',
    11, d.emissao + time '10:05',
    11, d.emissao + time '10:06',
    'AUTORIZADA', c.chave, '131' || to_char(d.emissao, 'YYMMDD') || lpad(v.cod::text, 6, '0'),
    'Autorizado o uso da NF-e',
    c.chave || '-nfe.xml', v.obs
from (values
    -- current month
    (7001, 1, 101, 101, 5102, null, 0, 1, 20, 30, 3101, 12.50, 451, null, null::numeric, null::numeric, null::numeric,
        'Entregar pela doca 2. Recebimento até as 16h, procurar o Sr. Gonçalves.'),
    (7002, 1, 101, 102, 5102, null, 2, 0, 20, 31, 3105, null, 452, null, null, null, null, null),
    (7003, 1, 101, 115, 5405, null, 4, 1, 20, 30, 3112, 8.00, 455, null, null, null, null,
        'Pedido do cliente 45871, faturado com substituição tributária conforme protocolo estadual. '
        'Mercadoria conferida na expedição pelo conferente de plantão; volumes lacrados e identificados '
        'com etiqueta da transportadora. Em caso de avaria, anotar no canhoto antes de assinar e avisar '
        'o setor comercial em até 24 horas. Reentrega sujeita a nova cobrança de frete.'),
    (7004, 2, 101, 2040, 5102, null, 3, 0, 21, 31, 3108, 5.00, null, null, null, null, null,
        'Faturado pela filial de Uberlândia.'),
    (7005, 1, 101, 116, 5910, null, 1, 0, 20, 30, 3103, null, 451, null, null, null, null,
        'Bonificação da campanha de fim de ano.'),
    (7006, 1, 101, 117, 5102, null, 5, null, 20, null, 3101, null, null, 7001, 150.00, null, null,
        'Nota complementar de preço da NF 101.'),
    (7007, 1, 102, 103, 5102, null, 1, 1, 21, 30, 3102, 4.80, 451, null, null, null, null, null),
    (7008, 1, 102, 118, 5102, null, 6, null, 21, 30, 3115, 3.20, null, null, null, null, null, null),
    (7009, 1, 103, 104, 5102, null, 0, 0, 20, null, 3104, null, null, null, null, null, null,
        'Cliente retira no depósito.'),
    (7010, 1, 104, 105, 5102, null, 1, 1, 21, 31, 3106, 35.00, 453, null, null, null, null, null),
    (7011, 1, 104, 119, 5405, null, 3, 1, 21, 31, 3110, 18.00, 454, null, null, null, null, null),
    (7012, 1, 105, 106, 5102, null, 2, 1, 20, 30, 3107, null, 452, null, null, null, null, null),
    (7013, 1, 106, 107, 5102, null, 2, 0, 21, 30, 3109, null, 452, null, null, null, null, null),
    (7014, 1, 107, 108, 5102, null, 3, 0, 20, 31, 3111, null, 454, null, null, null, null, null),
    (7015, 1, 108, 109, 5102, null, 4, 1, 21, null, 3113, null, null, null, null, null, null, null),
    (7016, 1, 110, 111, 5102, null, 5, 1, 20, 30, 3114, 6.00, 455, null, null, null, null, null),
    (7030, 1, 102, 121, 1202, null, 3, 0, 21, null, null, null, null, null, null, null, null,
        'Devolução parcial da NF 103: embalagem danificada.'),
    -- October and November 2026
    (7020, 1, 101, 88, 5102, '2026-10-14', null, 1, 20, 30, 3001, 10.00, 401, null, null, null, null, null),
    (7021, 1, 101, 95, 5102, '2026-11-05', null, 1, 20, 31, 3040, null, 412, null, null, null, null, null),
    (7022, 2, 101, 2031, 5102, '2026-11-19', null, 2, 21, 31, 3052, 4.00, null, null, null, null, null, null),
    (7023, 1, 102, 90, 5102, '2026-10-22', null, 1, 21, 30, 3020, null, 405, null, null, null, null, null),
    (7024, 1, 102, 97, 5405, '2026-11-12', null, 2, 21, 30, 3045, 9.50, 414, null, null, null, null, null),
    (7025, 1, 102, 91, 5102, '2026-10-28', null, null, 21, null, 3021, null, null, 7023, 48.00, 0, 0,
        'Nota complementar de frete da NF 90.'),
    (7026, 1, 108, 99, 5102, '2026-11-26', null, 1, 21, null, 3060, null, null, null, null, null, null, null),
    (7027, 1, 109, 93, 5102, '2026-10-30', null, 1, 20, 30, 3035, null, 407, null, null, null, null, null),
    (7028, 1, 104, 96, 5102, '2026-11-10', null, 1, 21, 31, 3042, 22.00, 411, null, null, null, null, null)
) as v(cod, emp, cli, num, op, emissao_fixa, dia, dias_saida, rca, transp, pv, seguro, car, refnf, vl, peso, vol, obs)
cross join lateral (
    select coalesce(v.emissao_fixa::date,
                    least(date_trunc('month', current_date)::date + v.dia, current_date)) as emissao
) as e
cross join lateral (
    select e.emissao,
           case when v.dias_saida is not null then least(e.emissao + v.dias_saida, current_date) end as saida
) as d
join public.par emp on emp.parcod = v.emp
left join public.cli cli on cli.cliparcod = v.cli
cross join lateral (
    -- access key: state, year and month, issuer's CNPJ, model, series, number, emission type, code, digit
    select '31' || to_char(d.emissao, 'YYMM') || regexp_replace(emp.parcnpjcpf, '[^0-9]', '', 'g')
           || '55' || '001' || lpad(v.num::text, 9, '0') || '1' || lpad(v.cod::text, 8, '0') || '0' as chave
) as c;

-- Invoice items. The same product is sold by the bale on one invoice and by the package on another,
-- and some quantities are fractional. 7006 and 7025 only complement the value of an earlier
-- invoice and have no items.
insert into public.nfi (
    nfinfcod, nfinfempparcod, nfinfparcod, nfinfnum, nfiseq, nfiprocod, nfiproref,
    nfiuvecod, nfiuvedes, nfiuveun, nfiuvemult, nfiqtde, nfiqtdecorte,
    nfivltabunit, nfivlunit, nfivl, nfivlfrete, nfivldesc, nficustocompra, nficustoreal,
    nfivlicmsst, nfivlipi, nfibasedebcred, nfimetrocubico, nfiinfadprod, nfipedcli,
    nficadusuparcod, nficadhorario, nfialtusuparcod, nfialthorario)
select
    nf.nfcod, nf.nfempparcod, nf.nfparcod, nf.nfnum, it.seq, un.procod, un.proref,
    un.uvecod, un.uvedes, un.uveun, un.mult, it.qtde, 0,
    un.vltab, un.vlunit, t.vl,
    case when nf.nftranspcod is null then 0 else round(t.vl * 0.02, 2) end,
    round(it.qtde * (un.vltab - un.vlunit), 2),
    round(it.qtde * un.custo, 2), round(it.qtde * un.custo * 1.07, 2),
    case when un.procod = 1008 then round(t.vl * 0.12, 2) else 0 end,
    case when un.procod = 1009 then round(t.vl * 0.05, 2) else 0 end,
    t.vl, round(it.qtde * un.m3, 4), it.infadprod, it.pedcli,
    nf.nfcadusuparcod, nf.nfcadhorario, nf.nfaltusuparcod, nf.nfalthorario
from (values
    (7001, 1, 1, 10011, 10.0, null, 45871),
    (7001, 1, 2, 10021, 2.5, null, 45871),
    (7001, 1, 3, 10031, 4.0, null, 45871),
    (7001, 1, 4, 10071, 6.0, 'LOTE 2611B VAL 05/2027', 45871),
    (7002, 1, 1, 10012, 3.5, null, null),
    (7002, 1, 2, 10051, 1.0, null, null),
    (7002, 1, 3, 10022, 12.0, null, null),
    (7002, 1, 4, 10102, 24.0, null, null),
    (7003, 1, 1, 10081, 20.0, null, 45871),
    (7003, 1, 2, 10021, 3.5, null, 45871),
    (7003, 1, 3, 10011, 5.0, null, 45871),
    (7004, 2, 1, 10011, 8.0, null, null),
    (7004, 2, 2, 10061, 5.0, null, null),
    (7004, 2, 3, 10091, 2.0, null, null),
    (7005, 1, 1, 10051, 1.0, 'BONIFICACAO', null),
    (7007, 1, 1, 10041, 10.0, null, 1203),
    (7007, 1, 2, 10061, 4.0, null, 1203),
    (7007, 1, 3, 10101, 3.0, null, 1203),
    (7008, 1, 1, 10011, 6.0, null, 1219),
    (7008, 1, 2, 10041, 2.5, null, 1219),
    (7008, 1, 3, 10041, 1.0, 'SALDO DO PEDIDO 1219', 1219),
    (7009, 1, 1, 10071, 8.0, null, null),
    (7009, 1, 2, 10051, 2.0, null, null),
    (7010, 1, 1, 10011, 30.0, null, 88120),
    (7010, 1, 2, 10041, 20.0, null, 88120),
    (7010, 1, 3, 10031, 15.0, null, 88120),
    (7011, 1, 1, 10081, 40.0, null, 88133),
    (7012, 1, 1, 10051, 3.0, null, null),
    (7012, 1, 2, 10022, 20.0, null, null),
    (7013, 1, 1, 10061, 6.0, null, null),
    (7013, 1, 2, 10031, 2.0, null, null),
    (7014, 1, 1, 10081, 5.0, null, null),
    (7014, 1, 2, 10102, 12.0, null, null),
    (7015, 1, 1, 10012, 4.0, null, null),
    (7015, 1, 2, 10071, 1.0, null, null),
    (7016, 1, 1, 10091, 3.0, null, null),
    (7016, 1, 2, 10101, 5.0, null, null),
    (7030, 1, 1, 10041, 1.0, 'DEVOLUCAO - EMBALAGEM DANIFICADA', null),
    (7020, 1, 1, 10011, 12.0, null, 44980),
    (7020, 1, 2, 10031, 5.0, null, 44980),
    (7021, 1, 1, 10021, 4.0, null, 45310),
    (7021, 1, 2, 10041, 6.0, null, 45310),
    (7022, 2, 1, 10011, 6.0, null, null),
    (7023, 1, 1, 10051, 2.0, null, 1150),
    (7024, 1, 1, 10081, 15.0, null, 1188),
    (7026, 1, 1, 10012, 6.0, null, null),
    (7026, 1, 2, 10022, 6.0, null, null),
    (7027, 1, 1, 10071, 10.0, null, null),
    (7028, 1, 1, 10011, 25.0, null, 88001),
    (7028, 1, 2, 10091, 4.0, null, 88001)
) as it(nfcod, emp, seq, uvecod, qtde, infadprod, pedcli)
join (values
    -- unit of sale: product, reference, description, abbreviation, multiplier, table and sale price,
    -- purchase cost and cubic metres per unit
    (10011, 1001, 'ARZ5KG', 'FARDO C/ 6 PACOTES 5KG', 'FD', 6, 149.40, 142.80, 118.00, 0.0420),
    (10012, 1001, 'ARZ5KG', 'PACOTE 5KG', 'PCT', 1, 24.90, 23.80, 19.60, 0.0070),
    (10021, 1002, 'FJC1KG', 'CAIXA C/ 10 PACOTES 1KG', 'CX', 10, 84.90, 79.90, 66.00, 0.0150),
    (10022, 1002, 'FJC1KG', 'PACOTE 1KG', 'PCT', 1, 8.49, 7.99, 6.60, 0.0015),
    (10031, 1003, 'OLS900', 'CAIXA C/ 20 FRASCOS 900ML', 'CX', 20, 139.00, 132.00, 109.00, 0.0240),
    (10041, 1004, 'ACR5KG', 'FARDO C/ 6 PACOTES 5KG', 'FD', 6, 119.40, 114.00, 92.00, 0.0400),
    (10051, 1005, 'CAF500', 'CAIXA C/ 20 PACOTES 500G', 'CX', 20, 389.00, 372.00, 301.00, 0.0300),
    (10061, 1006, 'MAC500', 'FARDO C/ 20 PACOTES 500G', 'FD', 20, 63.80, 59.90, 47.00, 0.0450),
    (10071, 1007, 'LTI1L', 'CAIXA C/ 12 LITROS', 'CX', 12, 59.88, 57.00, 46.80, 0.0140),
    (10081, 1008, 'RFC2L', 'FARDO C/ 6 GARRAFAS 2L', 'FD', 6, 47.94, 45.00, 34.20, 0.0190),
    (10091, 1009, 'SPO1KG', 'CAIXA C/ 20 PACOTES 1KG', 'CX', 20, 219.00, 209.00, 168.00, 0.0380),
    (10101, 1010, 'DTG500', 'CAIXA C/ 24 FRASCOS 500ML', 'CX', 24, 52.80, 50.40, 38.90, 0.0160),
    (10102, 1010, 'DTG500', 'FRASCO 500ML', 'UN', 1, 2.39, 2.29, 1.62, 0.0007)
) as un(uvecod, procod, proref, uvedes, uveun, mult, vltab, vlunit, custo, m3) using (uvecod)
join public.nf nf on nf.nfcod = it.nfcod and nf.nfempparcod = it.emp
cross join lateral (select round(it.qtde * un.vlunit, 2) as vl) as t;

-- Header totals of the invoices with items, as the host system would have computed them
-- (net weight in kg per unit of sale).
update public.nf
set nfvlpro = s.pro,
    nfvldesc = s.descontos,
    nfvlfrete = s.frete,
    nfbcicms = s.pro,
    nfvlicms = round(s.pro * 0.18, 2),
    nfbcicmsst = case when s.st > 0 then round(s.pro * 1.4, 2) else 0 end,
    nfvlicmsst = s.st,
    nfvlipi = s.ipi,
    nfvl = s.pro + s.frete + coalesce(nf.nfvlseguro, 0) + s.st + s.ipi,
    nfpesoliq = s.peso,
    nfpesobruto = round(s.peso * 1.05, 3),
    nfvol = s.vol,
    nfnumvol = s.vol,
    nfespecievolume = 'CAIXA',
    nfnumeracaovolume = '1 A ' || s.vol::integer,
    nfmetrocubico = s.m3
from (
    select i.nfinfcod, i.nfinfempparcod,
           sum(i.nfivl) as pro, sum(i.nfivldesc) as descontos, sum(i.nfivlfrete) as frete,
           sum(i.nfivlicmsst) as st, sum(i.nfivlipi) as ipi, sum(i.nfimetrocubico) as m3,
           sum(ceil(i.nfiqtde)) as vol,
           round(sum(i.nfiqtde * w.peso), 3) as peso
    from public.nfi i
    join (values (10011, 30.0), (10012, 5.0), (10021, 10.0), (10022, 1.0), (10031, 16.6),
                 (10041, 30.0), (10051, 10.0), (10061, 10.0), (10071, 12.4), (10081, 12.6),
                 (10091, 20.0), (10101, 12.5), (10102, 0.5))
         as w(uvecod, peso) on w.uvecod = i.nfiuvecod
    group by i.nfinfcod, i.nfinfempparcod
) as s
where nf.nfcod = s.nfinfcod and nf.nfempparcod = s.nfinfempparcod;

-- No demo orders exist yet; new order numbers continue after those the invoices came from.
select setval('public.pv_pvcod_seq',
              greatest((select coalesce(max(nfpvcod), 0) from public.nf),
                       (select coalesce(max(pvcod), 0) from public.pv)) + 1,
              false);
